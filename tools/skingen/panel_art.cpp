// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_art.h"

#include "layout.h"
#include "paint_kit.h"
#include "stroke_digits.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace skingen {

namespace skin = vorlak::skin;

namespace {

// ---- gauge tracks ---------------------------------------------------------------------------

// One segmented gauge cell: `along` runs the length of the track, `across` its thickness.
QColor GaugeColor(bool filled, qreal along, int across, int thickness, bool gap) {
    if (!filled) {
        if (gap) {
            return QColor(9, 9, 11);
        }
        const int lift = across == 0 ? 16 : (across == thickness - 1 ? -6 : 0);
        return QColor(40 + lift, 40 + lift, 46 + lift);
    }
    const QColor low(128, 22, 22);
    const QColor high(255, 72, 52);
    const auto mix = [along](int a, int b) { return static_cast<int>(a + (b - a) * along); };
    QColor color(mix(low.red(), high.red()), mix(low.green(), high.green()),
                 mix(low.blue(), high.blue()));
    if (gap) {
        return color.darker(280);
    }
    if (across == 0) {
        return color.lighter(135);
    }
    if (across == thickness - 1) {
        return color.darker(150);
    }
    return color;
}

// The horizontal slider images; only the top rows show (9 on the main window, 8 on the
// lighting panel), the rows below take the panel tone.
// The cells are laid out in layout pixels (x, y); the colour runs along the device pixels.
QImage HorizontalGauge(bool filled) {
    QImage image = ScaledImage(layout::kStageSlider, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(24, 24, 28));
    const int scale = DrawingScale::Current();
    const int thickness = layout::kLightSliderHeight;
    for (int row = 0; row < layout::kAxisSliderHeight * scale; ++row) {
        const int y = row / scale;
        for (int column = 0; column < image.width(); ++column) {
            const bool gap = column / scale % 4 == 3;
            const qreal along = column / qreal(image.width() - 1);
            const QColor color =
                y < thickness ? GaugeColor(filled, along, y, thickness, gap) : QColor(12, 12, 14);
            image.setPixelColor(column, row, color);
        }
    }
    return image;
}

// The vertical DPI slider images; the fill is drawn from its top row at the gauge's level, so
// its brightest row always sits at the level.
QImage VerticalGauge(bool filled) {
    QImage image = ScaledImage(layout::kDpiSlider, QImage::Format_ARGB32_Premultiplied);
    const int scale = DrawingScale::Current();
    const int thickness = layout::kDpiSlider.width();
    for (int row = 0; row < image.height(); ++row) {
        const bool gap = row / scale % 4 == 3;
        const qreal along = 1 - row / qreal(image.height() - 1) * 0.85;
        for (int column = 0; column < image.width(); ++column) {
            image.setPixelColor(column, row,
                                GaugeColor(filled, along, column / scale, thickness, gap));
        }
    }
    return image;
}

// ---- panel backgrounds ----------------------------------------------------------------------

void DrawSliderGroove(QPainter& p, const QRect& slider) {
    DrawWell(p, QRectF(slider).adjusted(-2, -2, 2, 2), 2, QColor(10, 10, 12));
}

void DrawMarkWell(QPainter& p, QPoint at, QSize mark) {
    DrawWell(p, QRectF(at, mark).adjusted(-1.5, -1.5, 1.5, 1.5), 2.5, QColor(12, 12, 14));
}

QImage DpiPanel() {
    return DrawnImage(layout::kDpiPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kDpiPanel);
        const int height = layout::kDpiSlider.height();
        // Guides at every thousand DPI: codes 9, 19, ... 49 and the top code 54.
        for (const int code : {9, 19, 29, 39, 49, 54}) {
            const int fill = qMin(height, height * (code - 1) / 52);
            const qreal y = layout::kDpiSliderTop + height - fill + 0.5;
            p.setPen(QPen(QColor(255, 255, 255, 14), 1, Qt::DashLine));
            p.drawLine(QPointF(22, y), QPointF(226, y));
            p.setPen(QPen(QColor(190, 36, 32), 1));
            p.drawLine(QPointF(14, y), QPointF(22, y));
        }
        for (int n = 0; n < layout::dpi::kStages; ++n) {
            DrawSliderGroove(p, layout::ToQRect(layout::dpi::SliderRect(n)));
            DrawMarkWell(p, layout::ToQPoint(layout::dpi::Toggle(n).TopLeft()),
                         layout::kToggleMark);
            DrawWell(p,
                     QRectF(layout::ToQRect(layout::dpi::Swatch(n))).adjusted(-1.5, -1.5, 1.5, 1.5),
                     2, QColor(12, 12, 14));
        }
        p.setPen(QPen(QColor(255, 255, 255, 16), 1));
        p.drawLine(QPointF(10, 177.5), QPointF(232, 177.5));
    });
}

QImage DpiValueBox() {
    return DrawnImage(layout::kDpiValueBox, [](QPainter& p) {
        const QRectF r(QPointF(0, 0), layout::kDpiValueBox);
        DrawWell(p, r, 2, QColor(8, 8, 10));
        p.setPen(QPen(QColor(170, 32, 30), 1));
        p.drawLine(QPointF(2, r.height() - 0.5), QPointF(r.width() - 2, r.height() - 0.5));
    });
}

QImage LightingPanel() {
    return DrawnImage(layout::kLightingPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kLightingPanel);
        for (int row = 0; row < 3; ++row) {
            const int dy = layout::kLightRowStep * row;
            DrawSliderGroove(p, layout::kLightSlider.translated(0, dy));
            DrawMarkWell(p, layout::kLightMarkAt + QPoint(0, dy), layout::kToggleMark);
        }
    });
}

QImage ScrollPanel() {
    return DrawnImage(layout::kScrollPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kScrollPanel);
        DrawMarkWell(p, layout::kLinesMarkAt, layout::kWheelMark);
        DrawMarkWell(p, layout::kScreenMarkAt, layout::kWheelMark);
        DrawWell(p, QRectF(layout::kLinesField).adjusted(-1.5, -1.5, 1.5, 1.5), 2,
                 QColor(12, 12, 14));
        for (const auto& [rect, rotation] :
             {std::pair{layout::kSpinUp, 0}, std::pair{layout::kSpinDown, 180}}) {
            DrawPlate(p, rect, 1.5, QColor(74, 74, 82), QColor(36, 36, 41), QColor(8, 8, 10));
            DrawArrow(p, QRectF(rect).center(), 4.5, rotation, QColor(230, 60, 50));
        }
        p.setPen(QPen(QColor(255, 255, 255, 14), 1));
        p.drawLine(QPointF(10, 40.5), QPointF(232, 40.5));
    });
}

QImage LinesField() {
    return DrawnImage(layout::kLinesField.size(), [](QPainter& p) {
        const QRectF r(QPointF(0, 0), layout::kLinesField.size());
        DrawWell(p, r, 2, QColor(20, 20, 23));
        p.setPen(QPen(tone::kMenuRedHot, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    });
}

// ---- polling-rate dial ----------------------------------------------------------------------

// Quadrants clockwise from the upper right: 1000, 500, 250 and 125 Hz (Qt angles: counter-
// clockwise from three o'clock).
struct Quadrant {
    int rate;
    qreal startAngle;
};
constexpr std::array<Quadrant, 4> kQuadrants{{{1000, 0}, {500, 270}, {250, 180}, {125, 90}}};

QPainterPath RingSegment(QPointF centre, qreal inner, qreal outer, qreal start, qreal sweep) {
    QPainterPath path;
    const QRectF out(centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer));
    const QRectF in(centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner));
    path.arcMoveTo(out, start);
    path.arcTo(out, start, sweep);
    path.arcTo(in, start + sweep, -sweep);
    path.closeSubpath();
    return path;
}

QPointF Polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

// The whole dial with `selected` lit (0 for none); `centre` in the painter's coordinates.
void DrawPollingDial(QPainter& p, QPointF centre, int selected) {
    constexpr qreal kInner = 37;
    constexpr qreal kOuter = 57;
    QRadialGradient bezel(centre, 61);
    bezel.setColorAt(0.8, QColor(12, 12, 14));
    bezel.setColorAt(0.93, QColor(64, 64, 72));
    bezel.setColorAt(1, QColor(20, 20, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(centre, 60.5, 60.5);
    for (const Quadrant& quadrant : kQuadrants) {
        const QPainterPath segment =
            RingSegment(centre, kInner, kOuter, quadrant.startAngle + 2.5, 85);
        const bool lit = quadrant.rate == selected;
        if (lit) {
            DrawGlow(p, segment, WithAlpha(tone::kRedBright, 200), 2);
            QRadialGradient fill(centre, kOuter);
            fill.setColorAt(0.6, QColor(150, 20, 20));
            fill.setColorAt(1, QColor(255, 80, 60));
            p.fillPath(segment, fill);
            p.strokePath(segment, QPen(QColor(255, 140, 120), 1));
        } else {
            QRadialGradient fill(centre, kOuter);
            fill.setColorAt(0.6, QColor(30, 30, 34));
            fill.setColorAt(1, QColor(54, 54, 61));
            p.fillPath(segment, fill);
            p.strokePath(segment, QPen(QColor(8, 8, 10), 1));
        }
        const QPointF label = Polar(centre, (kInner + kOuter) / 2, quadrant.startAngle + 45);
        DrawDigits(p, QString::number(quadrant.rate), label, 7, 1.2,
                   lit ? tone::kWhite : QColor(150, 150, 160));
    }
    QRadialGradient hub(centre - QPointF(0, 10), 40);
    hub.setColorAt(0, QColor(46, 46, 52));
    hub.setColorAt(1, QColor(14, 14, 16));
    p.setPen(QPen(QColor(70, 70, 78), 1));
    p.setBrush(hub);
    p.drawEllipse(centre, 33, 33);
    if (selected != 0) {
        DrawDigits(p, QString::number(selected), centre, 13, 2.0, tone::kWhite);
        p.setPen(QPen(QColor(214, 40, 36), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(-9, 13), centre + QPointF(9, 13));
    }
}

QImage PollingPanel() {
    return DrawnImage(layout::kPollingPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kPollingPanel);
        DrawPollingDial(p, layout::kPollingCentre, 0);
    });
}

QImage PollingPicture(int rate) {
    return DrawnImage(layout::kPollingDial.size(), [rate](QPainter& p) {
        DrawPollingDial(p, layout::kPollingCentre - layout::kPollingDial.topLeft(), rate);
    });
}

// ---- pointer dials --------------------------------------------------------------------------

// Angular span of step s (1..11), in degrees from the right-hand horizontal: the sectors the
// click test hands out.
std::pair<qreal, qreal> StepSector(int step) {
    if (step == 1) {
        return {175, 180};
    }
    if (step == 2) {
        return {162, 175};
    }
    const qreal low = (11 - step) * 18.0;
    return {low, low + 18};
}

QImage SpeedPicture(int current) {
    return DrawnImage(layout::kSpeedDial.size(), [current](QPainter& p) {
        const QPointF centre = layout::kSpeedCentre - layout::kSpeedDial.topLeft();
        constexpr qreal kInner = 46;
        constexpr qreal kOuter = 69;
        for (int step = 1; step <= 11; ++step) {
            const auto [low, high] = StepSector(step);
            const QPainterPath segment =
                RingSegment(centre, kInner, kOuter, low + 0.9, high - low - 1.8);
            if (step > current) {
                p.fillPath(segment, QColor(40, 40, 45));
                p.strokePath(segment, QPen(QColor(8, 8, 10), 1));
                continue;
            }
            const qreal heat = (step - 1) / 10.0;
            const QColor color(static_cast<int>(120 + 120 * heat), static_cast<int>(22 + 30 * heat),
                               static_cast<int>(22 + 24 * heat));
            if (step == current) {
                DrawGlow(p, segment, WithAlpha(tone::kRedBright, 220), 2);
                p.fillPath(segment, QColor(255, 86, 64));
                p.strokePath(segment, QPen(QColor(255, 170, 150), 1));
            } else {
                p.fillPath(segment, color);
                p.strokePath(segment, QPen(color.darker(220), 1));
            }
        }
        // Inner face with minor ticks, the needle and its hub.
        QRadialGradient face(centre, 44);
        face.setColorAt(0, QColor(34, 34, 39));
        face.setColorAt(1, QColor(14, 14, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawPie(QRectF(centre - QPointF(43, 43), QSizeF(86, 86)), 0, 180 * 16);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        for (int tick = 0; tick <= 20; ++tick) {
            const qreal angle = tick * 9.0;
            p.drawLine(Polar(centre, 38, angle), Polar(centre, tick % 2 == 0 ? 42 : 40, angle));
        }
        const auto [low, high] = StepSector(current);
        const qreal angle = (low + high) / 2;
        p.setPen(QPen(QColor(255, 80, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, Polar(centre, 36, angle));
        QRadialGradient hub(centre - QPointF(2, 2), 9);
        hub.setColorAt(0, QColor(120, 120, 130));
        hub.setColorAt(1, QColor(28, 28, 32));
        p.setPen(QPen(QColor(8, 8, 10), 1));
        p.setBrush(hub);
        p.drawEllipse(centre, 7.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 44, 36));
        p.drawEllipse(centre, 2.2, 2.2);
    });
}

QImage PointerPanel() {
    return DrawnImage(layout::kPointerPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kPointerPanel);
        // A soft shadow bed under the dial and a base line under its hub.
        const QPointF centre = layout::kSpeedCentre;
        QRadialGradient bed(centre, 78);
        bed.setColorAt(0.8, QColor(0, 0, 0, 120));
        bed.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(bed);
        p.drawPie(QRectF(centre - QPointF(78, 78), QSizeF(156, 156)), 0, 180 * 16);
        p.setPen(QPen(tone::kMenuRedHot, 1));
        p.drawLine(QPointF(46, centre.y() + 0.5), QPointF(196, centre.y() + 0.5));
    });
}

}  // namespace

void DrawPanelCard(QPainter& p, QSize size) {
    const QRectF r(QPointF(0, 0), size);
    QLinearGradient fill(0, 0, 0, r.height());
    fill.setColorAt(0, QColor(30, 30, 35));
    fill.setColorAt(1, QColor(20, 20, 23));
    p.fillRect(r, fill);
    DrawHatching(p, r, 5, QColor(255, 255, 255, 5));
    p.setPen(QPen(QColor(56, 56, 64), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawLine(QPointF(1, 1.5), QPointF(r.width() - 1, 1.5));
}

void AddPanelArt(SkinSet& skins) {
    skins.Add(Name(skin::kDpiPanel), DpiPanel(), layout::kDpiPanel, Alpha::kOpaque);
    skins.Add(Name(skin::kDpiValueBox), DpiValueBox(), layout::kDpiValueBox);
    skins.Add(Name(skin::kDpiSliderTrack), VerticalGauge(false), layout::kDpiSlider,
              Alpha::kOpaque);
    skins.Add(Name(skin::kDpiSliderFill), VerticalGauge(true), layout::kDpiSlider, Alpha::kOpaque);
    skins.Add(Name(skin::kStageSliderTrack), HorizontalGauge(false), layout::kStageSlider,
              Alpha::kOpaque);
    skins.Add(Name(skin::kStageSliderFill), HorizontalGauge(true), layout::kStageSlider,
              Alpha::kOpaque);
    skins.Add(Name(skin::kLightingPanel), LightingPanel(), layout::kLightingPanel, Alpha::kOpaque);
    skins.Add(Name(skin::kPollingPanel), PollingPanel(), layout::kPollingPanel, Alpha::kOpaque);
    for (const Quadrant& quadrant : kQuadrants) {
        skins.Add(Name(skin::PollingDial(quadrant.rate)), PollingPicture(quadrant.rate),
                  layout::kPollingDial.size());
    }
    skins.Add(Name(skin::kPointerPanel), PointerPanel(), layout::kPointerPanel, Alpha::kOpaque);
    for (int step = 1; step <= 11; ++step) {
        skins.Add(Name(skin::SpeedDial(step)), SpeedPicture(step), layout::kSpeedDial.size());
    }
    skins.Add(Name(skin::kWheelPanel), ScrollPanel(), layout::kScrollPanel, Alpha::kOpaque);
    skins.Add(Name(skin::kWheelLinesField), LinesField(), layout::kLinesField.size());
}

}  // namespace skingen
