// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_art.h"

#include "skin/skin_names.h"

#include "layout.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <functional>

namespace skingen {

namespace skin = vorlak::skin;

namespace {

enum class Look { kNormal, kOver, kPressed, kDisabled };

// The colours behind the buttons: state bitmaps are copied without alpha, so their rounded
// corners are filled with the surface they sit on.
const QColor kTitleBarTone{30, 30, 34};
const QColor kBottomBarTone{22, 22, 26};
const QColor kPanelTone{28, 28, 32};

struct PlateColors {
    QColor top, bottom, rim;
};

PlateColors PlateFor(Look look) {
    switch (look) {
        case Look::kOver:
            return {QColor(176, 44, 40), QColor(104, 22, 22), QColor(40, 8, 8)};
        case Look::kPressed:
            return {QColor(82, 22, 22), QColor(122, 38, 36), QColor(24, 6, 6)};
        case Look::kDisabled:
            return {QColor(40, 40, 44), QColor(32, 32, 36), QColor(20, 20, 23)};
        case Look::kNormal:
            break;
    }
    return {QColor(66, 66, 74), QColor(32, 32, 37), QColor(10, 10, 12)};
}

// A push button plate filling the whole image; `base` shows in the rounded corners.
QImage Plate(QSize size, Look look, QColor base, qreal corner = 3) {
    QImage image = NewImage(size.width(), size.height());
    QPainter p;
    BeginPainter(p, image);
    if (base.isValid()) {
        p.fillRect(LayoutRect(image), base);
    }
    const PlateColors colors = PlateFor(look);
    const QRectF rect = LayoutRect(image);
    DrawPlate(p, rect, corner, colors.top, colors.bottom, colors.rim);
    if (look == Look::kNormal) {
        // A thin red underline marks the active plates.
        p.setPen(QPen(WithAlpha(tone::kMenuRedHot, 220), 1));
        p.drawLine(QPointF(corner + 1, rect.bottom() - 1.5),
                   QPointF(rect.right() - corner - 1, rect.bottom() - 1.5));
    } else if (look == Look::kOver) {
        QRadialGradient hot(rect.center().x(), rect.bottom(), rect.width() * 0.6);
        hot.setColorAt(0, QColor(255, 110, 80, 90));
        hot.setColorAt(1, QColor(255, 110, 80, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(hot);
        p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), corner, corner);
    } else if (look == Look::kPressed) {
        p.setPen(QPen(WithAlpha(tone::kInk, 160), 1));
        p.drawLine(QPointF(corner, 1.5), QPointF(rect.right() - corner, 1.5));
    }
    return image;
}

// ---- glyphs of the small title-bar buttons ---------------------------------------------------

using Glyph = std::function<void(QPainter&, const QRectF&, QColor)>;

void CloseGlyph(QPainter& p, const QRectF& r, QColor color) {
    const qreal inset = r.width() * 0.3;
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(inset, inset), r.bottomRight() - QPointF(inset, inset));
    p.drawLine(r.topRight() + QPointF(-inset, inset), r.bottomLeft() + QPointF(inset, -inset));
}

void MinimizeGlyph(QPainter& p, const QRectF& r, QColor color) {
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 4, r.bottom() - 4.5), QPointF(r.right() - 4, r.bottom() - 4.5));
}

void HelpGlyph(QPainter& p, const QRectF& r, QColor color) {
    const QPointF c = r.center();
    QPainterPath hook;
    hook.arcMoveTo(QRectF(c.x() - 2.8, c.y() - 5, 5.6, 5.2), 160);
    hook.arcTo(QRectF(c.x() - 2.8, c.y() - 5, 5.6, 5.2), 160, -250);
    hook.lineTo(c.x(), c.y() + 1.8);
    p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(c.x(), c.y() + 4.4), 1.0, 1.0);
}

QImage GlyphButton(QSize size, bool over, QColor base, const Glyph& glyph) {
    QImage image = Plate(size, over ? Look::kOver : Look::kNormal, base, 3);
    QPainter p;
    BeginPainter(p, image);
    glyph(p, LayoutRect(image), over ? tone::kWhite : QColor(196, 196, 206));
    return image;
}

// ---- larger buttons -------------------------------------------------------------------------

// The profile button carries a small stack of profile cards left of its caption.
QImage ConfigButton(Look look) {
    QImage image = Plate(layout::kConfigButton, look, kBottomBarTone);
    QPainter p;
    BeginPainter(p, image);
    const QColor ink = look == Look::kNormal ? QColor(200, 200, 210) : tone::kWhite;
    for (int i = 0; i < 3; ++i) {
        const QRectF card(7 + i * 2, 9 + i * 3, 10, 7);
        p.setPen(QPen(i == 2 ? ink : WithAlpha(ink, 120), 1.1));
        p.setBrush(i == 2 ? WithAlpha(tone::kRed, 200) : QColor(30, 30, 34));
        p.drawRoundedRect(card, 1.5, 1.5);
    }
    return image;
}

QImage SectionHeader() {
    QImage image = NewImage(layout::kSectionHeader.width(), layout::kSectionHeader.height());
    QPainter p;
    BeginPainter(p, image);
    const QRectF r = LayoutRect(image);
    QLinearGradient fill(0, 0, 0, r.height());
    fill.setColorAt(0, QColor(58, 58, 66));
    fill.setColorAt(0.5, QColor(40, 40, 46));
    fill.setColorAt(1, QColor(28, 28, 32));
    p.fillRect(r, fill);
    // Red sweep from the left edge, fading out under the caption.
    QLinearGradient sweep(0, 0, r.width() * 0.6, 0);
    sweep.setColorAt(0, QColor(143, 32, 32, 150));
    sweep.setColorAt(1, QColor(143, 32, 32, 0));
    p.fillRect(r, sweep);
    p.fillRect(QRectF(0, 0, 3, r.height()), QColor(214, 40, 36));
    p.setPen(QPen(WithAlpha(tone::kWhite, 50), 1));
    p.drawLine(QPointF(3, 0.5), QPointF(r.width(), 0.5));
    p.setPen(QPen(tone::kInk, 1));
    p.drawLine(QPointF(0, r.height() - 0.5), QPointF(r.width(), r.height() - 0.5));
    DrawArrow(p, QPointF(r.width() - 11, r.height() / 2 + 0.5), 6, 180, QColor(200, 200, 210));
    return image;
}

QImage LabelBox(bool over) {
    QImage image = NewImage(layout::kLabelBox.width(), layout::kLabelBox.height());
    QPainter p;
    BeginPainter(p, image);
    const QRectF r = LayoutRect(image);
    p.fillRect(r, kPanelTone);
    const QColor rim = over ? QColor(200, 44, 40) : QColor(66, 66, 74);
    p.setPen(QPen(rim, 1));
    p.setBrush(over ? QColor(60, 22, 22) : QColor(16, 16, 19));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    const qreal cell = r.width() - layout::kLabelArrowCell;
    p.setPen(QPen(WithAlpha(rim, 200), 1));
    p.drawLine(QPointF(cell + 0.5, 2), QPointF(cell + 0.5, r.height() - 2));
    DrawArrow(p, QPointF(cell + 7.5, r.height() / 2 + 0.5), 6, 180,
              over ? tone::kWhite : QColor(214, 50, 44));
    return image;
}

// ---- marks ----------------------------------------------------------------------------------

// An LED-like square mark: lit red or dark.
QImage SquareMark(QSize size, bool lit) {
    QImage image = NewImage(size.width(), size.height());
    QPainter p;
    BeginPainter(p, image);
    const QRectF r = LayoutRect(image).adjusted(0.5, 0.5, -0.5, -0.5);
    if (lit) {
        p.setPen(QPen(QColor(60, 8, 8), 1));
        QLinearGradient fill(0, 0, 0, r.height());
        fill.setColorAt(0, QColor(255, 120, 96));
        fill.setColorAt(0.5, QColor(232, 40, 34));
        fill.setColorAt(1, QColor(150, 20, 20));
        p.setBrush(fill);
        p.drawRoundedRect(r, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(tone::kWhite, 150));
        p.drawRoundedRect(QRectF(2, 1.5, r.width() - 3, 2), 1, 1);
    } else {
        DrawWell(p, LayoutRect(image), 2, QColor(20, 20, 23));
        p.setPen(QPen(QColor(70, 70, 78), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 1.5, 1.5);
    }
    return image;
}

// A round radio mark, lit red or dark.
QImage RoundMark(QSize size, bool lit) {
    QImage image = NewImage(size.width(), size.height());
    QPainter p;
    BeginPainter(p, image);
    const qreal d = qMin(size.width(), size.height()) - 1.0;
    const QRectF ring((size.width() - d) / 2, (size.height() - d) / 2, d, d);
    QLinearGradient well(0, ring.top(), 0, ring.bottom());
    well.setColorAt(0, QColor(8, 8, 10));
    well.setColorAt(1, QColor(44, 44, 50));
    p.setPen(QPen(QColor(86, 86, 96), 1));
    p.setBrush(well);
    p.drawEllipse(ring);
    if (lit) {
        const QRectF dot = ring.adjusted(d * 0.24, d * 0.24, -d * 0.24, -d * 0.24);
        QRadialGradient light(dot.center() - QPointF(0, d * 0.08), dot.width() * 0.6);
        light.setColorAt(0, QColor(255, 170, 150));
        light.setColorAt(0.5, QColor(240, 44, 36));
        light.setColorAt(1, QColor(150, 18, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(dot);
    }
    return image;
}

// A square check box, empty or with a red tick.
QImage CheckBox(bool ticked) {
    const QSize size = layout::kCheckBox;
    QImage image = NewImage(size.width(), size.height());
    QPainter p;
    BeginPainter(p, image);
    const QRectF r = LayoutRect(image).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient well(0, 0, 0, r.height());
    well.setColorAt(0, QColor(8, 8, 10));
    well.setColorAt(1, QColor(40, 40, 46));
    p.setPen(QPen(ticked ? QColor(200, 44, 40) : QColor(90, 90, 100), 1));
    p.setBrush(well);
    p.drawRoundedRect(r, 2, 2);
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(3.2, 7.2);
        tick.lineTo(5.8, 10);
        tick.lineTo(10.8, 3.6);
        p.setPen(QPen(QColor(255, 76, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

// Round icons of the profile manager: a plus for New, a minus for Delete.
QImage ProfileIcon(bool plus) {
    const QSize size = layout::kProfileIcon;
    QImage image = NewImage(size.width(), size.height());
    QPainter p;
    BeginPainter(p, image);
    const QRectF disc = LayoutRect(image).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, 0, disc.height());
    fill.setColorAt(0, plus ? QColor(230, 56, 46) : QColor(78, 78, 88));
    fill.setColorAt(1, plus ? QColor(130, 22, 22) : QColor(38, 38, 44));
    p.setPen(QPen(QColor(12, 12, 14), 1));
    p.setBrush(fill);
    p.drawEllipse(disc);
    p.setPen(QPen(tone::kWhite, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = disc.center();
    p.drawLine(c - QPointF(3.5, 0), c + QPointF(3.5, 0));
    if (plus) {
        p.drawLine(c - QPointF(0, 3.5), c + QPointF(0, 3.5));
    }
    return image;
}

void AddStates(SkinSet& skins, std::string_view normal, std::string_view over, QSize size,
               const std::function<QImage(Look)>& draw, Alpha alpha) {
    skins.Add(Name(normal), draw(Look::kNormal), size, alpha);
    skins.Add(Name(over), draw(Look::kOver), size, alpha);
}

}  // namespace

void AddButtonArt(SkinSet& skins) {
    using layout::kSmallButton;
    struct Small {
        std::string_view normal;
        std::string_view over;
        Glyph glyph;
    };
    const Small small[] = {{skin::kHelpNormal, skin::kHelpOver, HelpGlyph},
                           {skin::kMinimizeNormal, skin::kMinimizeOver, MinimizeGlyph},
                           {skin::kCloseNormal, skin::kCloseOver, CloseGlyph}};
    for (const Small& button : small) {
        AddStates(
            skins, button.normal, button.over, kSmallButton,
            [&, glyph = button.glyph](Look look) {
                return GlyphButton(kSmallButton, look == Look::kOver, kTitleBarTone, glyph);
            },
            Alpha::kOpaque);
    }
    AddStates(
        skins, skin::kMacroCloseNormal, skin::kMacroCloseOver, layout::kMacroClose,
        [](Look look) {
            return GlyphButton(layout::kMacroClose, look == Look::kOver, QColor(),
                               [](QPainter& p, const QRectF& r, QColor color) {
                                   CloseGlyph(p, QRectF(r.center().x() - 8, 4, 16, 16), color);
                               });
        },
        Alpha::kKeep);

    const auto plateIn = [](QSize size, QColor base) {
        return [size, base](Look look) { return Plate(size, look, base); };
    };
    AddStates(skins, skin::kConfigNormal, skin::kConfigOver, layout::kConfigButton, ConfigButton,
              Alpha::kOpaque);
    skins.Add(Name(skin::kConfigPressed), ConfigButton(Look::kPressed), layout::kConfigButton,
              Alpha::kOpaque);
    AddStates(skins, skin::kActionNormal, skin::kActionOver, layout::kActionButton,
              plateIn(layout::kActionButton, kBottomBarTone), Alpha::kOpaque);
    skins.Add(Name(skin::kActionPressed),
              Plate(layout::kActionButton, Look::kPressed, kBottomBarTone), layout::kActionButton,
              Alpha::kOpaque);
    skins.Add(Name(skin::kActionDisabled),
              Plate(layout::kActionButton, Look::kDisabled, kBottomBarTone), layout::kActionButton,
              Alpha::kOpaque);
    AddStates(skins, skin::kViewNormal, skin::kViewOver, layout::kViewButton,
              plateIn(layout::kViewButton, tone::kNight), Alpha::kOpaque);
    skins.Add(Name(skin::kViewPressed), Plate(layout::kViewButton, Look::kPressed, tone::kNight),
              layout::kViewButton, Alpha::kOpaque);

    skins.Add(Name(skin::kSectionHeader), SectionHeader(), layout::kSectionHeader, Alpha::kOpaque);
    skins.Add(Name(skin::kLabelBoxNormal), LabelBox(false), layout::kLabelBox, Alpha::kOpaque);
    skins.Add(Name(skin::kLabelBoxOver), LabelBox(true), layout::kLabelBox, Alpha::kOpaque);

    AddStates(skins, skin::kDialogCancelNormal, skin::kDialogCancelOver,
              layout::kDialogCancelButton, plateIn(layout::kDialogCancelButton, QColor()),
              Alpha::kKeep);
    AddStates(skins, skin::kDialogNewNormal, skin::kDialogNewOver, layout::kDialogNewButton,
              plateIn(layout::kDialogNewButton, QColor()), Alpha::kKeep);
    AddStates(skins, skin::kRecordNormal, skin::kRecordOver, layout::kRecordButton,
              plateIn(layout::kRecordButton, kPanelTone), Alpha::kOpaque);

    skins.Add(Name(skin::kEnabledMark), SquareMark(layout::kToggleMark, true), layout::kToggleMark);
    skins.Add(Name(skin::kDisabledMark), SquareMark(layout::kToggleMark, false),
              layout::kToggleMark);
    skins.Add(Name(skin::kWheelMarkOn), RoundMark(layout::kWheelMark, true), layout::kWheelMark);
    skins.Add(Name(skin::kWheelMarkOff), RoundMark(layout::kWheelMark, false), layout::kWheelMark);
    skins.Add(Name(skin::kRadioOn), RoundMark(layout::kRadioMark, true), layout::kRadioMark);
    skins.Add(Name(skin::kRadioOff), RoundMark(layout::kRadioMark, false), layout::kRadioMark);
    skins.Add(Name(skin::kCheckBoxOn), CheckBox(true), layout::kCheckBox);
    skins.Add(Name(skin::kCheckBoxOff), CheckBox(false), layout::kCheckBox);
    skins.Add(Name(skin::kNewProfile), ProfileIcon(true), layout::kProfileIcon);
    skins.Add(Name(skin::kDeleteProfile), ProfileIcon(false), layout::kProfileIcon);
}

}  // namespace skingen
