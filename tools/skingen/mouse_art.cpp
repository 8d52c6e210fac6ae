// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_art.h"

#include "emblem.h"
#include "layout.h"
#include "paint_kit.h"
#include "stroke_digits.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <functional>
#include <vector>

namespace skingen {

namespace {

// All geometry is in main-window client coordinates, so pictures and overlays are drawn in the
// same space and cut out at their placing positions afterwards.

// Overlay n lights key-matrix slot n - 1; slots 3 and 4 are the buttons captioned 5 and 4.
constexpr std::array<int, 7> kCaptionOfOverlay{1, 2, 3, 5, 4, 6, 7};

struct Callout {
    QPainterPath part;                       // the button the overlay lights
    std::vector<QPointF> leader;             // from the button's hot spot to the badge centre
    QRectF zone = QRectF(0, 0, 2000, 2000);  // where the button lights; it fades at the edges
};

QPainterPath Rounded(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Ellipse(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    return path;
}

QPainterPath Box(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

// A shell surface: the shape in its gradient with a thin dark rim.
void PaintShell(QPainter& p, const QPainterPath& shape, const QBrush& fill) {
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(WithAlpha(tone::kInk, 230), 1.4));
}

void PaintSheen(QPainter& p, const QPainterPath& shape, QPointF centre, qreal radius, int alpha) {
    QRadialGradient sheen(centre, radius);
    sheen.setColorAt(0, WithAlpha(tone::kWhite, alpha));
    sheen.setColorAt(1, WithAlpha(tone::kWhite, 0));
    p.fillPath(shape, sheen);
}

// A red light line with its halo, kept inside `clip`.
void PaintLightLine(QPainter& p, const QPainterPath& line, const QPainterPath& clip, qreal width) {
    p.save();
    p.setClipPath(clip);
    QPainterPathStroker stroker;
    stroker.setWidth(width * 3);
    stroker.setCapStyle(Qt::RoundCap);
    DrawGlow(p, stroker.createStroke(line), WithAlpha(tone::kRedBright, 170), 3);
    p.strokePath(line, QPen(QColor(255, 70, 56), width, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(line, QPen(QColor(255, 190, 170, 200), width / 3, Qt::SolidLine, Qt::RoundCap));
    p.restore();
}

void PaintWheelRibs(QPainter& p, const QPainterPath& wheel, bool vertical) {
    const QRectF r = wheel.boundingRect();
    p.save();
    p.setClipPath(wheel);
    p.setPen(QPen(WithAlpha(tone::kInk, 170), 1));
    if (vertical) {
        for (qreal y = r.top() + 2; y < r.bottom(); y += 3.2) {
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
    } else {
        for (qreal x = r.left() + 2; x < r.right(); x += 3.2) {
            p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        }
    }
    p.restore();
}

void PaintGripDots(QPainter& p, const QPainterPath& area, qreal step) {
    const QRectF r = area.boundingRect();
    p.save();
    p.setClipPath(area);
    p.setPen(Qt::NoPen);
    int row = 0;
    for (qreal y = r.top(); y < r.bottom(); y += step * 0.87, ++row) {
        const qreal shift = (row % 2) * step / 2;
        for (qreal x = r.left() + shift; x < r.right(); x += step) {
            p.setBrush(WithAlpha(tone::kInk, 190));
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
            p.setBrush(WithAlpha(tone::kWhite, 22));
            p.drawEllipse(QPointF(x - 0.5, y - 0.6), 0.6, 0.6);
        }
    }
    p.restore();
}

// ---- top view -------------------------------------------------------------------------------

constexpr qreal kC = 520;  // centre line of the top view

struct TopView {
    QPainterPath body, leftButton, rightButton, palm, channel, wheelSlot, wheel, dpiUp, dpiDown,
        sideForward, sideBack;
};

TopView MakeTopView() {
    TopView v;
    const std::vector<QPointF> half{{0, 36},   {40, 38},  {70, 48},  {88, 72},   {95, 115},
                                    {92, 180}, {84, 255}, {88, 320}, {100, 385}, {98, 430},
                                    {80, 462}, {44, 476}, {0, 479}};
    std::vector<QPointF> outline;
    for (const QPointF& point : half) {
        outline.emplace_back(kC + point.x(), point.y());
    }
    for (auto it = half.rbegin() + 1; it + 1 != half.rend(); ++it) {
        outline.emplace_back(kC - it->x(), it->y());
    }
    v.body = SmoothClosedPath(outline);

    QPainterPath zone;
    zone.moveTo(kC - 140, 0);
    zone.lineTo(kC + 140, 0);
    zone.lineTo(kC + 140, 300);
    zone.quadTo(kC, 336, kC - 140, 300);
    zone.closeSubpath();
    v.channel = Rounded(kC - 15, 146, 30, 160, 13);
    const QPainterPath buttons = v.body.intersected(zone).subtracted(v.channel);
    v.leftButton = buttons.intersected(Box(kC - 200, 0, 200 - 1.3, 600));
    v.rightButton = buttons.intersected(Box(kC + 1.3, 0, 200, 600));
    v.palm = v.body.subtracted(zone.translated(0, 2.5));
    v.wheelSlot = Rounded(kC - 12, 156, 24, 76, 9);
    v.wheel = Rounded(kC - 8, 162, 16, 64, 7);
    v.dpiUp = Rounded(kC - 9, 241, 18, 18, 5);
    v.dpiDown = Rounded(kC - 9, 267, 18, 18, 5);
    v.sideForward = Rounded(kC - 95, 246, 11, 42, 5.5);
    v.sideBack = Rounded(kC - 95, 296, 11, 42, 5.5);
    return v;
}

void PaintTopView(QPainter& p, const TopView& v) {
    DrawGlow(p, v.body.translated(5, 7), QColor(0, 0, 0, 220), 4);
    QTransform shrink;
    shrink.translate(kC, 260);
    shrink.scale(0.9, 0.95);
    shrink.translate(-kC, -260);
    DrawGlow(p, shrink.map(v.body), WithAlpha(tone::kRed, 70), 6);

    PaintShell(p, v.body,
               HorizontalGradient(kC - 102, kC + 102,
                                  {{0, QColor(20, 20, 23)},
                                   {0.35, QColor(50, 50, 57)},
                                   {0.6, QColor(40, 40, 46)},
                                   {1, QColor(16, 16, 19)}}));

    // Rubber flanks with a dot grip.
    QTransform inset;
    inset.translate(kC, 260);
    inset.scale(0.86, 1.0);
    inset.translate(-kC, -260);
    const QPainterPath flanks =
        v.body.subtracted(inset.map(v.body)).intersected(Box(kC - 120, 330, 240, 120));
    p.fillPath(flanks, QColor(14, 14, 16));
    PaintGripDots(p, flanks, 3.6);
    p.save();
    p.setClipPath(v.body);
    p.strokePath(inset.map(v.body).intersected(Box(kC - 120, 336, 240, 108)),
                 QPen(QColor(200, 36, 32, 170), 1.0));
    p.restore();

    // Palm: matte shell with a V light bar and the emblem.
    p.fillPath(v.palm,
               VerticalGradient(300, 477, {{0, QColor(44, 44, 50)}, {1, QColor(24, 24, 28)}}));
    PaintSheen(p, v.palm, QPointF(kC - 30, 360), 90, 26);
    QPainterPath bar;
    bar.moveTo(kC - 74, 352);
    bar.quadTo(kC - 30, 420, kC, 452);
    bar.quadTo(kC + 30, 420, kC + 74, 352);
    PaintLightLine(p, bar, v.palm, 1.6);
    DrawEmblem(p, QRectF(kC - 20, 372, 40, 40), 3);
    p.strokePath(v.palm, QPen(WithAlpha(tone::kInk, 230), 1.4));

    // Main buttons: glossy, lit from the front left.
    for (const QPainterPath* button : {&v.leftButton, &v.rightButton}) {
        PaintShell(
            p, *button,
            VerticalGradient(
                38, 320,
                {{0, QColor(66, 66, 74)}, {0.5, QColor(42, 42, 48)}, {1, QColor(30, 30, 35)}}));
    }
    PaintSheen(p, v.leftButton, QPointF(kC - 50, 95), 70, 40);
    PaintSheen(p, v.rightButton, QPointF(kC + 40, 95), 60, 22);

    // Centre channel with the wheel and the two DPI buttons.
    p.fillPath(v.channel, QColor(9, 9, 11));
    p.strokePath(v.channel, QPen(WithAlpha(tone::kWhite, 18), 1));
    PaintLightLine(p, v.wheelSlot, v.channel, 1.0);
    p.fillPath(v.wheelSlot, QColor(6, 6, 7));
    PaintShell(
        p, v.wheel,
        HorizontalGradient(
            kC - 8, kC + 8,
            {{0, QColor(24, 24, 27)}, {0.45, QColor(92, 92, 100)}, {1, QColor(20, 20, 23)}}));
    PaintWheelRibs(p, v.wheel, true);
    for (const QPainterPath* dpi : {&v.dpiUp, &v.dpiDown}) {
        PaintShell(p, *dpi,
                   VerticalGradient(dpi->boundingRect().top(), dpi->boundingRect().bottom(),
                                    {{0, QColor(78, 78, 86)}, {1, QColor(34, 34, 39)}}));
    }
    DrawArrow(p, v.dpiUp.boundingRect().center(), 6, 0, WithAlpha(tone::kSilver, 200));
    DrawArrow(p, v.dpiDown.boundingRect().center(), 6, 180, WithAlpha(tone::kSilver, 200));

    // Thumb buttons on the left flank.
    for (const QPainterPath* side : {&v.sideForward, &v.sideBack}) {
        PaintShell(
            p, *side,
            HorizontalGradient(
                kC - 95, kC - 84,
                {{0, QColor(26, 26, 30)}, {0.5, QColor(84, 84, 92)}, {1, QColor(30, 30, 34)}}));
    }

    // Rim light along the upper left of the shell.
    QLinearGradient rim(kC - 100, 40, kC + 60, 300);
    rim.setColorAt(0, WithAlpha(tone::kWhite, 90));
    rim.setColorAt(0.5, WithAlpha(tone::kWhite, 10));
    rim.setColorAt(1, WithAlpha(tone::kWhite, 0));
    p.save();
    p.setClipPath(v.body);
    p.strokePath(v.body, QPen(QBrush(rim), 2.2));
    p.restore();
}

std::vector<Callout> TopCallouts(const TopView& v) {
    return {
        // The main buttons light their outer halves, mirrored about the centre line.
        {v.leftButton, {{455, 140}, {413, 98}, {376, 98}}, QRectF(0, 0, 2 * kC - 560, 600)},
        {v.rightButton, {{585, 140}, {627, 98}, {666, 98}}},
        {v.wheel, {{520, 194}, {604, 194}, {610, 200}, {666, 200}}},
        {v.sideForward, {{430, 267}, {413, 250}, {376, 250}}},
        {v.sideBack, {{430, 318}, {376, 318}}},
        {v.dpiUp, {{520, 251}, {602, 251}, {603, 252}, {666, 252}}},
        {v.dpiDown, {{520, 276}, {604, 276}, {612, 284}, {666, 284}}},
    };
}

// ---- side view ------------------------------------------------------------------------------

struct SideView {
    QPainterPath body, topBand, leftButton, rightButton, palmTop, wheel, wheelSlot, dpiUp, dpiDown,
        sideForward, sideBack, skirt, thumbRest;
};

SideView MakeSideView() {
    SideView v;
    v.body = SmoothClosedPath({{312, 356},
                               {309, 336},
                               {314, 318},
                               {332, 302},
                               {380, 282},
                               {445, 262},
                               {512, 247},
                               {572, 240},
                               {628, 243},
                               {668, 256},
                               {698, 278},
                               {713, 306},
                               {716, 336},
                               {708, 362},
                               {688, 380},
                               {640, 388},
                               {420, 390},
                               {345, 387},
                               {322, 376}});
    constexpr qreal kBand = 26;  // the top surface seen from slightly above
    v.topBand = v.body.subtracted(v.body.translated(0, kBand));
    const QPainterPath nearHalf = v.topBand.intersected(v.body.translated(0, kBand / 2));
    const QPainterPath farHalf = v.topBand.subtracted(v.body.translated(0, kBand / 2 + 0.9));
    QPainterPath zone;
    zone.addPolygon(QPolygonF{{0, 0}, {508, 0}, {520, 420}, {0, 420}});
    zone.closeSubpath();
    v.leftButton = nearHalf.intersected(zone);
    v.rightButton = farHalf.intersected(zone);
    v.palmTop = v.topBand.subtracted(zone.translated(2.5, 0));
    v.wheel = Ellipse(411, 253, 42, 42).subtracted(v.body.translated(0, 18));
    v.wheelSlot = Ellipse(405, 268, 54, 11);
    v.dpiUp = Rounded(462, 261, 15, 8, 4);
    v.dpiDown = Rounded(489, 256, 15, 8, 4);
    v.sideForward = Rounded(474, 283, 46, 15, 7.5);
    v.sideBack = Rounded(528, 277, 48, 15, 7.5);
    v.skirt = v.body.intersected(Box(280, 373, 460, 40));
    v.thumbRest = SmoothClosedPath({{440, 308},
                                    {540, 304},
                                    {630, 300},
                                    {656, 328},
                                    {640, 357},
                                    {540, 361},
                                    {446, 360},
                                    {426, 334}});
    return v;
}

void PaintSideView(QPainter& p, const SideView& v) {
    DrawGlow(p, Ellipse(322, 382, 392, 16), QColor(0, 0, 0, 230), 4);
    DrawGlow(p, Ellipse(350, 384, 330, 8), WithAlpha(tone::kRed, 90), 3);

    PaintShell(p, v.body,
               VerticalGradient(
                   238, 390,
                   {{0, QColor(54, 54, 62)}, {0.3, QColor(36, 36, 42)}, {1, QColor(14, 14, 17)}}));
    PaintSheen(p, v.body, QPointF(540, 300), 160, 18);

    // Sculpted thumb rest: rubber with dot grip and a light line along its upper edge.
    DrawGlow(p, v.thumbRest.translated(0, 2), QColor(0, 0, 0, 200), 2);
    p.fillPath(v.thumbRest,
               VerticalGradient(294, 368, {{0, QColor(16, 16, 19)}, {1, QColor(24, 24, 28)}}));
    PaintGripDots(p, v.thumbRest, 4.2);
    p.strokePath(v.thumbRest, QPen(WithAlpha(tone::kWhite, 26), 1));
    QPainterPath accent;
    accent.moveTo(452, 305);
    accent.quadTo(560, 300, 628, 297);
    PaintLightLine(p, accent, v.body, 1.2);

    // Top surface: the two main buttons split along the middle, then the palm.
    PaintShell(p, v.rightButton,
               VerticalGradient(270, 330, {{0, QColor(70, 70, 80)}, {1, QColor(40, 40, 46)}}));
    PaintShell(p, v.leftButton,
               VerticalGradient(270, 330, {{0, QColor(96, 96, 106)}, {1, QColor(50, 50, 57)}}));
    PaintShell(p, v.palmTop,
               VerticalGradient(238, 290, {{0, QColor(84, 84, 94)}, {1, QColor(44, 44, 50)}}));
    PaintSheen(p, v.leftButton, QPointF(390, 284), 70, 46);
    PaintSheen(p, v.palmTop, QPointF(585, 250), 90, 40);

    // Skirt with the red light strip.
    p.fillPath(v.skirt,
               VerticalGradient(373, 390, {{0, QColor(14, 14, 16)}, {1, QColor(8, 8, 9)}}));
    QPainterPath strip;
    strip.moveTo(334, 379);
    strip.lineTo(700, 379);
    PaintLightLine(p, strip, v.body, 1.6);
    DrawEmblem(p, QRectF(676, 318, 24, 24), 2);

    // Wheel above its lit slot, DPI buttons behind it.
    PaintLightLine(p, v.wheelSlot, v.topBand, 1.0);
    p.fillPath(v.wheelSlot, QColor(6, 6, 7));
    PaintShell(p, v.wheel,
               VerticalGradient(252, 282, {{0, QColor(112, 112, 122)}, {1, QColor(30, 30, 34)}}));
    PaintWheelRibs(p, v.wheel, false);
    for (const QPainterPath* dpi : {&v.dpiUp, &v.dpiDown}) {
        PaintShell(p, *dpi,
                   VerticalGradient(dpi->boundingRect().top(), dpi->boundingRect().bottom(),
                                    {{0, QColor(110, 110, 120)}, {1, QColor(36, 36, 41)}}));
    }

    // Thumb buttons.
    for (const QPainterPath* side : {&v.sideForward, &v.sideBack}) {
        const QRectF r = side->boundingRect();
        DrawGlow(p, side->translated(0, 2), QColor(0, 0, 0, 220), 1);
        PaintShell(
            p, *side,
            VerticalGradient(
                r.top(), r.bottom(),
                {{0, QColor(104, 104, 114)}, {0.5, QColor(56, 56, 63)}, {1, QColor(26, 26, 30)}}));
    }

    QLinearGradient rim(300, 240, 720, 240);
    rim.setColorAt(0, WithAlpha(tone::kWhite, 50));
    rim.setColorAt(0.45, WithAlpha(tone::kWhite, 120));
    rim.setColorAt(1, WithAlpha(tone::kWhite, 24));
    p.save();
    p.setClipPath(v.topBand);
    p.strokePath(v.body, QPen(QBrush(rim), 1.6));
    p.restore();
}

std::vector<Callout> SideCallouts(const SideView& v) {
    return {
        {v.leftButton, {{391, 298}, {391, 171}}},
        {v.rightButton, {{331, 309}, {331, 171}}},
        {v.wheel, {{432, 262}, {432, 419}, {421, 430}}},
        {v.sideForward, {{497, 290}, {497, 430}}},
        {v.sideBack, {{552, 285}, {552, 430}}},
        {v.dpiUp, {{469, 265}, {469, 158}, {476, 151}}},
        {v.dpiDown, {{496, 260}, {496, 158}, {503, 151}}},
    };
}

// ---- overlays -------------------------------------------------------------------------------

// A canvas covering the mouse area, painted in window coordinates.
QImage AreaCanvas() {
    return NewImage(layout::kMouseArea.width(), layout::kMouseArea.height());
}

void BeginArea(QPainter& p, QImage& canvas) {
    BeginPainter(p, canvas);
    p.translate(-layout::kMouseArea.topLeft());
}

// Bounding box of the non-transparent pixels, in window coordinates (empty when none).
QRect ContentBounds(const QImage& canvas) {
    QRect bounds;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    if (bounds.isNull()) {
        return bounds;
    }
    const auto scale = static_cast<int>(canvas.devicePixelRatio());
    const QRect inLayout(bounds.topLeft() / scale, bounds.bottomRight() / scale);
    return inLayout.translated(layout::kMouseArea.topLeft());
}

void RequireInside(const QRect& content, const QRect& allowed, const QString& name) {
    if (!allowed.contains(content)) {
        throw ArtError(name.toStdString() + ": drawing spills outside its image");
    }
}

// Alpha mask of `lit`, fading out towards each of its edges that cuts the part.
QImage EdgeMask(const QRectF& part, const QRectF& lit) {
    constexpr qreal kFade = 26;
    const QColor clear(0, 0, 0, 0);
    QImage mask = AreaCanvas();
    QPainter p;
    BeginArea(p, mask);
    p.fillRect(lit, Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    if (part.top() < lit.top()) {
        p.fillRect(lit,
                   VerticalGradient(lit.top(), lit.top() + kFade, {{0, clear}, {1, Qt::white}}));
    }
    if (part.left() < lit.left()) {
        p.fillRect(
            lit, HorizontalGradient(lit.left(), lit.left() + kFade, {{0, clear}, {1, Qt::white}}));
    }
    if (part.right() > lit.right()) {
        p.fillRect(lit, HorizontalGradient(lit.right() - kFade, lit.right(),
                                           {{0, Qt::white}, {1, clear}}));
    }
    return mask;
}

void PaintLitPart(QPainter& p, const Callout& callout, bool over, const QRect& allowed) {
    QImage layer = AreaCanvas();
    {
        QPainter lp;
        BeginArea(lp, layer);
        if (over) {
            DrawGlow(lp, callout.part, WithAlpha(tone::kRedBright, 210), 2);
            QLinearGradient fill(0, 0, 0, 1);
            fill.setCoordinateMode(QGradient::ObjectMode);
            fill.setColorAt(0, QColor(255, 84, 62, 175));
            fill.setColorAt(1, QColor(170, 20, 20, 130));
            lp.fillPath(callout.part, fill);
            QRadialGradient hot(callout.leader.front(), 46);
            hot.setColorAt(0, QColor(255, 190, 170, 110));
            hot.setColorAt(1, QColor(255, 120, 96, 0));
            lp.fillPath(callout.part, hot);
            lp.strokePath(callout.part, QPen(QColor(255, 120, 96), 1.4));
        } else {
            lp.strokePath(callout.part, QPen(QColor(214, 44, 40, 120), 1.0));
        }
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        lp.resetTransform();
        lp.drawImage(0, 0, EdgeMask(callout.part.boundingRect(), callout.zone & QRectF(allowed)));
    }
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

void PaintLeader(QPainter& p, const std::vector<QPointF>& points, bool over) {
    QPainterPath path;
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        path.lineTo(points[i]);
    }
    if (over) {
        QPainterPathStroker stroker;
        stroker.setWidth(3);
        DrawGlow(p, stroker.createStroke(path), WithAlpha(tone::kRedBright, 160), 1);
        p.strokePath(path, QPen(QColor(255, 96, 76), 1.3));
    } else {
        p.strokePath(path, QPen(QColor(0, 0, 0, 150), 2.4));
        p.strokePath(path, QPen(QColor(176, 176, 186, 150), 1.0));
    }
    const QPointF spot = points.front();
    p.setPen(Qt::NoPen);
    if (over) {
        DrawGlow(p, Ellipse(spot.x() - 4, spot.y() - 4, 8, 8), WithAlpha(tone::kRedBright, 220), 1);
        p.setBrush(QColor(255, 230, 220));
        p.drawEllipse(spot, 2.4, 2.4);
    } else {
        p.setBrush(QColor(0, 0, 0, 160));
        p.drawEllipse(spot, 3.2, 3.2);
        p.setBrush(QColor(226, 54, 44));
        p.drawEllipse(spot, 2.0, 2.0);
    }
}

void PaintBadge(QPainter& p, QPointF centre, int caption, bool over) {
    constexpr qreal kRadius = 9;
    const QPainterPath disc =
        Ellipse(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    if (over) {
        DrawGlow(p, disc, WithAlpha(tone::kRedBright, 230), 2);
        p.fillPath(disc, VerticalGradient(centre.y() - kRadius, centre.y() + kRadius,
                                          {{0, QColor(255, 104, 84)}, {1, QColor(168, 22, 22)}}));
        p.strokePath(disc, QPen(QColor(255, 176, 160), 1.1));
        DrawDigits(p, QString::number(caption), centre, 9, 1.7, tone::kWhite);
    } else {
        p.fillPath(disc, VerticalGradient(centre.y() - kRadius, centre.y() + kRadius,
                                          {{0, QColor(62, 62, 70)}, {1, QColor(24, 24, 28)}}));
        p.strokePath(disc, QPen(tone::kMenuRedHot, 1.5));
        DrawDigits(p, QString::number(caption), centre, 9, 1.6, QColor(222, 222, 228));
    }
}

QImage DrawCallout(const Callout& callout, int caption, bool over, const QRect& allowed) {
    QImage canvas = AreaCanvas();
    QPainter p;
    BeginArea(p, canvas);
    PaintLitPart(p, callout, over, allowed);
    PaintLeader(p, callout.leader, over);
    PaintBadge(p, callout.leader.back(), caption, over);
    return canvas;
}

QImage Cut(const QImage& canvas, const QRect& window) {
    return CopyRect(canvas, window.translated(-layout::kMouseArea.topLeft()));
}

// The rectangle of an overlay in window coordinates: from its place to the end of what either
// look draws. Measured at scale 1, so that every scale cuts the same rectangle.
QRect OverlayRect(const Callout& callout, int caption, const QRect& allowed, const QString& name) {
    const DrawingScale unscaled(1);
    const QRect content = ContentBounds(DrawCallout(callout, caption, false, allowed)) |
                          ContentBounds(DrawCallout(callout, caption, true, allowed));
    RequireInside(content, allowed, name);
    return QRect(allowed.topLeft(), content.bottomRight());
}

struct ViewArt {
    bool side;
    std::string_view picture;
    QRect pictureRect;
    std::function<void(QPainter&)> paint;
    std::vector<Callout> callouts;  // for overlays 1..7
    const std::array<QPoint, 7>& overlayAt;
};

void AddView(SkinSet& skins, const ViewArt& view) {
    QImage canvas = AreaCanvas();
    {
        QPainter p;
        BeginArea(p, canvas);
        view.paint(p);
    }
    const QString pictureName = Name(view.picture);
    RequireInside(ContentBounds(canvas), view.pictureRect, pictureName);
    skins.Add(pictureName, Cut(canvas, view.pictureRect), view.pictureRect.size());

    for (std::size_t i = 0; i < view.callouts.size(); ++i) {
        const Callout& callout = view.callouts[i];
        const int n = static_cast<int>(i) + 1;
        const QString normalName = Name(vorlak::skin::MouseOverlay(view.side, n, false));
        const QPoint at = view.overlayAt[i];
        const QRect allowed(at, layout::kMouseArea.bottomRight());
        const int caption = kCaptionOfOverlay[i];
        const QRect cut = OverlayRect(callout, caption, allowed, normalName);
        skins.Add(normalName, Cut(DrawCallout(callout, caption, false, allowed), cut), cut.size());
        skins.Add(Name(vorlak::skin::MouseOverlay(view.side, n, true)),
                  Cut(DrawCallout(callout, caption, true, allowed), cut), cut.size());
    }
}

}  // namespace

void AddMouseArt(SkinSet& skins) {
    const TopView top = MakeTopView();
    AddView(skins, {false, vorlak::skin::kMouseFront, layout::kFrontPicture,
                    [&top](QPainter& p) { PaintTopView(p, top); }, TopCallouts(top),
                    layout::kFrontOverlayAt});
    const SideView side = MakeSideView();
    AddView(skins, {true, vorlak::skin::kMouseSide, layout::kSidePicture,
                    [&side](QPainter& p) { PaintSideView(p, side); }, SideCallouts(side),
                    layout::kSideOverlayAt});
}

}  // namespace skingen
