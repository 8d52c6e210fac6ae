// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_art.h"

#include "skin/skin_names.h"

#include "emblem.h"
#include "layout.h"
#include "paint_kit.h"
#include "panel_art.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace skingen {

namespace {

namespace skin = vorlak::skin;

// Thin red corner brackets around `r`, the "display" look of the framed areas.
void DrawBrackets(QPainter& p, const QRectF& r, qreal arm, QColor color) {
    p.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::SquareCap));
    const auto corner = [&](QPointF at, qreal dx, qreal dy) {
        p.drawLine(at, at + QPointF(dx * arm, 0));
        p.drawLine(at, at + QPointF(0, dy * arm));
    };
    corner(r.topLeft(), 1, 1);
    corner(r.topRight(), -1, 1);
    corner(r.bottomLeft(), 1, -1);
    corner(r.bottomRight(), -1, -1);
}

// A title bar across the top of a window: graphite with a glowing red bottom edge.
void DrawTitleBar(QPainter& p, qreal width, qreal height) {
    QLinearGradient bar(0, 0, 0, height);
    bar.setColorAt(0, QColor(44, 44, 50));
    bar.setColorAt(1, QColor(24, 24, 28));
    p.fillRect(QRectF(0, 0, width, height), bar);
    QLinearGradient line(0, 0, width, 0);
    line.setColorAt(0, QColor(214, 40, 36));
    line.setColorAt(0.5, tone::kMenuRedHot);
    line.setColorAt(1, QColor(111, 41, 41, 120));
    p.fillRect(QRectF(0, height - 1, width, 1), line);
    QLinearGradient glow(0, height - 6, 0, height);
    glow.setColorAt(0, QColor(143, 32, 32, 0));
    glow.setColorAt(1, QColor(143, 32, 32, 60));
    p.fillRect(QRectF(0, height - 6, width * 0.6, 5), glow);
    for (int i = 0; i < 3; ++i) {
        DrawSlash(p, QPointF(width - 150 + 10 * i, 0), 5, height - 1, 6,
                  QColor(143, 32, 32, 60 + 40 * i));
    }
}

// The frame of a borderless window: the three rings the menus use.
void DrawWindowFrame(QPainter& p, QSize size) {
    const QRectF r(QPointF(0, 0), size);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tone::kMenuRedHot, 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(60, 22, 22), 1));
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}

void DrawWindowBody(QPainter& p, QSize size) {
    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0, QColor(24, 24, 28));
    body.setColorAt(1, QColor(13, 13, 15));
    p.fillRect(QRectF(QPointF(0, 0), size), body);
    DrawHatching(p, QRectF(QPointF(0, 0), size), 6, QColor(255, 255, 255, 5));
}

// A dialog background: body, title bar and frame.
void DrawDialog(QPainter& p, QSize size, int titleHeight) {
    DrawWindowBody(p, size);
    DrawTitleBar(p, size.width(), titleHeight);
    DrawWindowFrame(p, size);
}

// ---- main window ----------------------------------------------------------------------------

void DrawStage(QPainter& p, const QRectF& stage) {
    QRadialGradient light(QPointF(stage.center().x(), stage.top() + 210), 300);
    light.setColorAt(0, QColor(52, 52, 60));
    light.setColorAt(0.55, QColor(28, 28, 33));
    light.setColorAt(1, QColor(15, 15, 18));
    p.fillRect(stage, light);
    // A floor grid receding towards the horizon, fading out upwards.
    p.save();
    p.setClipRect(stage);
    const qreal horizon = stage.top() + 330;
    const QPointF vanish(stage.center().x(), horizon - 120);
    for (int i = -12; i <= 12; ++i) {
        const QPointF foot(stage.center().x() + i * 60, stage.bottom() + 40);
        QLinearGradient fade(0, horizon, 0, stage.bottom());
        fade.setColorAt(0, QColor(143, 32, 32, 0));
        fade.setColorAt(1, QColor(143, 32, 32, 70));
        p.setPen(QPen(QBrush(fade), 1));
        const qreal t = (horizon - vanish.y()) / (foot.y() - vanish.y());
        p.drawLine(vanish + (foot - vanish) * t, foot);
    }
    for (int row = 0; row < 9; ++row) {
        const qreal y = horizon + (stage.bottom() - horizon) * (row * row) / 64.0;
        p.setPen(QPen(QColor(143, 32, 32, 10 + row * 7), 1));
        p.drawLine(QPointF(stage.left(), y), QPointF(stage.right(), y));
    }
    p.restore();
    DrawBrackets(p, stage.adjusted(4, 4, -4, -4), 14, QColor(190, 36, 32, 200));
}

void DrawCard(QPainter& p, const QRectF& r) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, QColor(26, 26, 30));
    fill.setColorAt(1, QColor(17, 17, 20));
    p.fillRect(r, fill);
    p.setPen(QPen(QColor(54, 54, 62), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(tone::kMenuRedHot, 2));
    p.drawLine(QPointF(r.left() + 1, r.top() + 1), QPointF(r.left() + 40, r.top() + 1));
}

QImage MainScene() {
    const QSize size = layout::kMainWindow;
    return DrawnImage(size, [size](QPainter& p) {
        DrawWindowBody(p, size);
        DrawTitleBar(p, size.width(), layout::kTitleBarHeight);
        DrawSlash(p, QPointF(12, 7), 34, 14, 8, QColor(196, 34, 30));
        DrawSlash(p, QPointF(52, 7), 8, 14, 8, tone::kMenuRedHot);
        DrawSlash(p, QPointF(66, 7), 4, 14, 8, tone::kMenuRed);

        DrawCard(p, QRectF(12, 30, 258, 565));
        DrawStage(p, QRectF(274, 30, 455, 565));
        const QRect host = layout::kSettingsHost;
        DrawCard(p, QRectF(host).adjusted(-2, -2, 2, 2));

        // Bottom bar with the action buttons.
        const qreal top = layout::kBottomBarTop;
        QLinearGradient bar(0, top, 0, size.height());
        bar.setColorAt(0, QColor(30, 30, 35));
        bar.setColorAt(1, QColor(16, 16, 19));
        p.fillRect(QRectF(2, top, size.width() - 4, size.height() - top - 2), bar);
        p.fillRect(QRectF(2, top, size.width() - 4, 1), tone::kMenuRedHot);
        DrawSlash(p, QPointF(size.width() - 240, top + 1), 60, 3, 3, QColor(143, 32, 32, 160));
        DrawWindowFrame(p, size);
    });
}

QImage Logo() {
    return DrawnImage(layout::kLogo, [](QPainter& p) {
        const QSize size = layout::kLogo;
        DrawEmblem(p, QRectF(8, 6, 58, 58), 5);
        // A nameplate of light bars beside the emblem.
        QLinearGradient line(74, 0, size.width() - 6, 0);
        line.setColorAt(0, QColor(214, 40, 36));
        line.setColorAt(1, QColor(143, 32, 32, 0));
        p.fillRect(QRectF(74, 34, size.width() - 80, 2), line);
        for (int i = 0; i < 6; ++i) {
            DrawSlash(p, QPointF(78 + i * 13, 20), 8, 10, 4, QColor(200, 36, 32, 220 - 32 * i));
        }
        p.fillRect(QRectF(78, 42, 90, 1), QColor(255, 255, 255, 40));
        p.fillRect(QRectF(78, 46, 54, 1), QColor(255, 255, 255, 24));
    });
}

QImage MouseLogo() {
    return DrawnImage(layout::kMouseLogo, [](QPainter& p) {
        const QSize size = layout::kMouseLogo;
        // A glowing outline of the mouse from above, with light lines running off to the right.
        QPainterPath mouse;
        mouse.addRoundedRect(QRectF(12, 8, 30, 50), 15, 15);
        QPainterPath seam;
        seam.moveTo(27, 8);
        seam.lineTo(27, 26);
        seam.moveTo(12, 28);
        seam.quadTo(27, 32, 42, 28);
        QPainterPathStroker stroker;
        stroker.setWidth(3);
        DrawGlow(p, stroker.createStroke(mouse), QColor(255, 60, 48, 160), 3);
        p.setPen(QPen(QColor(230, 50, 42), 1.5));
        p.setBrush(QColor(20, 20, 23, 200));
        p.drawPath(mouse);
        p.setPen(QPen(QColor(230, 50, 42, 200), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(seam);
        p.fillRect(QRectF(24.5, 13, 5, 9), QColor(255, 120, 100));
        for (int i = 0; i < 3; ++i) {
            QLinearGradient line(54, 0, size.width() - 4, 0);
            line.setColorAt(0, QColor(200, 36, 32, 200 - 50 * i));
            line.setColorAt(1, QColor(200, 36, 32, 0));
            p.fillRect(QRectF(54, 22 + i * 10, size.width() - 58 - i * 30, 1.5), line);
        }
    });
}

QImage SettingsColumn() {
    const QSize size = layout::kSettingsHost.size();
    return DrawnImage(size, [size](QPainter& p) {
        QLinearGradient fill(0, 0, 0, size.height());
        fill.setColorAt(0, QColor(22, 22, 26));
        fill.setColorAt(1, QColor(14, 14, 16));
        p.fillRect(QRectF(QPointF(0, 0), size), fill);
        DrawHatching(p, QRectF(QPointF(0, 0), size), 6, QColor(255, 255, 255, 5));
        const qreal bar = size.width() - layout::kScrollBarWidth;
        p.fillRect(QRectF(bar, 0, layout::kScrollBarWidth, size.height()), QColor(20, 20, 20));
        p.fillRect(QRectF(bar - 1, 0, 1, size.height()), QColor(0, 0, 0, 160));
    });
}

QImage AssignmentPanel() {
    return DrawnImage(layout::kAssignmentPanel, [](QPainter& p) {
        const QSize size = layout::kAssignmentPanel;
        DrawPanelCard(p, size);
        for (int k = 0; k < 14; ++k) {
            const qreal top = 6 + 20 * k - 2;
            if (k % 2 == 0) {
                p.fillRect(QRectF(3, top, size.width() - 6, 20), QColor(255, 255, 255, 7));
            }
            // Caption plate beside each label box.
            DrawWell(p, QRectF(9, top + 2, 88, 16), 2, QColor(14, 14, 17));
            p.fillRect(QRectF(9, top + 4, 2, 12), k < 7 ? QColor(200, 36, 32) : tone::kMenuRed);
        }
        // The Shift layer below the base layer.
        const qreal split = 6 + 20 * 7 - 2.5;
        QLinearGradient line(0, 0, size.width(), 0);
        line.setColorAt(0, QColor(143, 32, 32, 0));
        line.setColorAt(0.5, QColor(190, 36, 32));
        line.setColorAt(1, QColor(143, 32, 32, 0));
        p.fillRect(QRectF(6, split, size.width() - 12, 1), line);
    });
}

QImage AxisPanel() {
    return DrawnImage(layout::kAxisPanel, [](QPainter& p) {
        DrawPanelCard(p, layout::kAxisPanel);
        for (const int top : {25, 85}) {
            DrawWell(p, QRectF(15, top - 2, 212, layout::kAxisSliderHeight + 4), 2,
                     QColor(10, 10, 12));
        }
        p.setPen(QPen(QColor(255, 255, 255, 14), 1));
        p.drawLine(QPointF(10, 61.5), QPointF(232, 61.5));
    });
}

// ---- dialogs --------------------------------------------------------------------------------

void DrawKeycap(QPainter& p, const QRectF& r, bool lit) {
    DrawGlow(
        p,
        [&] {
            QPainterPath shadow;
            shadow.addRoundedRect(r.translated(0, 3), 5, 5);
            return shadow;
        }(),
        QColor(0, 0, 0, 200), 2);
    DrawPlate(p, r, 5, lit ? QColor(200, 44, 40) : QColor(70, 70, 78),
              lit ? QColor(110, 20, 20) : QColor(32, 32, 37), QColor(8, 8, 10));
    const QRectF top =
        r.adjusted(r.width() * 0.14, r.height() * 0.1, -r.width() * 0.14, -r.height() * 0.26);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(255, 255, 255, 40) : QColor(255, 255, 255, 14));
    p.drawRoundedRect(top, 4, 4);
    if (lit) {
        DrawGlow(
            p,
            [&] {
                QPainterPath halo;
                halo.addRoundedRect(r, 5, 5);
                return halo;
            }(),
            QColor(255, 60, 48, 70), 4);
    }
}

// The emblem with a row of light bars, the brand mark at the top of the small dialogs.
void DrawBadgeRow(QPainter& p, QPointF at) {
    DrawEmblem(p, QRectF(at, QSizeF(36, 36)), 3);
    for (int i = 0; i < 5; ++i) {
        DrawSlash(p, at + QPointF(46 + i * 12, 13), 7, 9, 4, QColor(200, 36, 32, 220 - 40 * i));
    }
    p.fillRect(QRectF(at + QPointF(46, 27), QSizeF(110, 1)), QColor(255, 255, 255, 30));
}

QImage KeyDialog() {
    namespace dialog = layout::key_dialog;
    return DrawnImage(layout::kKeyDialog, [](QPainter& p) {
        const QSize size = layout::kKeyDialog;
        DrawDialog(p, size, dialog::kTitleHeight);
        // The captured key shows on a keycap; the key label sits on its face.
        DrawKeycap(p, QRectF(layout::ToQRect(dialog::kKeyNameRect)).adjusted(-12, -7, 12, 9),
                   false);
        const QRect prompt = layout::ToQRect(dialog::kPromptRect);
        DrawBadgeRow(p, QPointF(prompt.left(), 46));
        p.setPen(QPen(tone::kMenuRedHot, 1));
        p.drawLine(QPointF(prompt.left(), prompt.top() - 6.5),
                   QPointF(prompt.left() + prompt.width(), prompt.top() - 6.5));
        // A key cluster with one key lit.
        DrawKeycap(p, QRectF(270, 64, 40, 40), false);
        DrawKeycap(p, QRectF(226, 110, 40, 40), false);
        DrawKeycap(p, QRectF(270, 110, 40, 40), true);
        DrawKeycap(p, QRectF(314, 110, 40, 40), false);
        DrawKeycap(p, QRectF(226, 156, 128, 36), false);
        p.fillRect(QRectF(12, 240, size.width() - 24, 1), QColor(255, 255, 255, 18));
    });
}

QImage MacroKeyDialog() {
    namespace dialog = layout::picker;
    return DrawnImage(layout::kMacroKeyDialog, [](QPainter& p) {
        const QSize size = layout::kMacroKeyDialog;
        DrawDialog(p, size, dialog::kTitleHeight);
        DrawBadgeRow(p, QPointF(dialog::kPromptRect.left, 46));
        // The macro drop-down: name field and its arrow.
        const QRectF dropDown(layout::ToQRect(dialog::kDropDownArea));
        DrawWell(p, dropDown.adjusted(-1, -1, 1, 1), 2, QColor(40, 40, 40));
        p.setPen(QPen(tone::kMenuRedHot, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(dropDown.adjusted(-0.5, -0.5, 0.5, 0.5), 2, 2);
        const QRectF arrow(QPointF(dialog::kNameFieldRect.right, dropDown.top()),
                           dropDown.bottomRight());
        DrawPlate(p, arrow, 1.5, QColor(176, 44, 40), QColor(104, 22, 22), QColor(40, 8, 8));
        DrawArrow(p, arrow.center() + QPointF(0, 0.5), 6, 180, tone::kWhite);
        // Play-mode rows: a band from left of the mark to the text's right edge.
        for (int mode = 0; mode < dialog::kModes; ++mode) {
            const QRect box = layout::ToQRect(dialog::ModeBox(mode));
            const QRectF row(box.left() - 25, box.top(), box.width() + 25, box.height());
            p.fillRect(row, QColor(255, 255, 255, 8));
            p.fillRect(QRectF(row.left(), row.top(), 2, row.height()), tone::kMenuRedHot);
            DrawWell(p,
                     QRectF(layout::ToQRect(dialog::ModeMark(mode))).adjusted(-1.5, -1.5, 1.5, 1.5),
                     9.5, QColor(12, 12, 14));
        }
        p.fillRect(QRectF(200, 60, 1, 150), QColor(255, 255, 255, 16));
        p.fillRect(QRectF(12, 240, size.width() - 24, 1), QColor(255, 255, 255, 18));
    });
}

void DrawHeading(QPainter& p, const QRectF& r) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, QColor(52, 52, 60));
    fill.setColorAt(1, QColor(30, 30, 35));
    p.fillRect(r, fill);
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), QColor(190, 36, 32));
}

QImage MacroManager() {
    namespace dialog = layout::macros;
    return DrawnImage(layout::kMacroManager, [](QPainter& p) {
        const QSize size = layout::kMacroManager;
        DrawDialog(p, size, dialog::kTitleHeight);
        for (const vorlak::PixelRect& heading :
             {dialog::kMacroHeading, dialog::kEventHeading, dialog::kOptionsHeading})
            DrawHeading(p, layout::ToQRect(heading));
        // The lists and the options column sit in wells 2 pixels around them.
        const auto around = [](const vorlak::PixelRect& r) {
            return QRectF(layout::ToQRect(r)).adjusted(-2, -2, 2, 2);
        };
        DrawWell(p, around(dialog::kMacroListRect), 2, QColor(109, 109, 109));
        DrawWell(p, around(dialog::kEventListRect), 2, QColor(109, 109, 109));
        const QRectF options = around(dialog::kOptionsHeading);
        DrawCard(p, QRectF(options.left(), around(dialog::kMacroListRect).top(), options.width(),
                           around(dialog::kMacroListRect).height()));
        p.fillRect(QRectF(286, 124, 104, 1), QColor(255, 255, 255, 16));
        p.fillRect(QRectF(286, 290, 104, 1), QColor(255, 255, 255, 16));
        DrawWell(p, around(dialog::kLoopFieldRect), 2, QColor(34, 24, 21));
        // Side rail with light bars.
        for (int i = 0; i < 5; ++i) {
            DrawSlash(p, QPointF(420, 90 + i * 16), 40, 6, 8, QColor(143, 32, 32, 200 - 36 * i));
        }
        DrawEmblem(p, QRectF(414, 280, 56, 56), 4);
        p.fillRect(QRectF(12, 360, size.width() - 24, 1), QColor(255, 255, 255, 18));
    });
}

QImage ProfileManager() {
    namespace dialog = layout::profiles;
    return DrawnImage(layout::kProfileManager, [](QPainter& p) {
        const QSize size = layout::kProfileManager;
        DrawDialog(p, size, dialog::kTitleHeight);
        p.fillRect(layout::ToQRect(dialog::kListRect), QColor(40, 40, 40));
        // The bottom bar under the list, with the New and Delete buttons.
        const int top = dialog::kListRect.bottom;
        QLinearGradient bar(0, top, 0, size.height());
        bar.setColorAt(0, QColor(36, 36, 42));
        bar.setColorAt(1, QColor(20, 20, 24));
        p.fillRect(QRectF(2, top, size.width() - 4, size.height() - top - 2), bar);
        p.fillRect(QRectF(2, top, size.width() - 4, 1), tone::kMenuRedHot);
        DrawWell(p, QRectF(6, 578, 90, 19), 3, QColor(26, 26, 30));
        DrawWell(p, QRectF(116, 578, 90, 19), 3, QColor(26, 26, 30));
        DrawWindowFrame(p, size);
    });
}

QImage Splash() {
    return DrawnImage(layout::kSplash, [](QPainter& p) {
        const QSize size = layout::kSplash;
        const QRectF r(QPointF(0, 0), size);
        QRadialGradient light(QPointF(size.width() / 2.0, size.height() * 0.45),
                              size.width() * 0.6);
        light.setColorAt(0, QColor(60, 24, 26));
        light.setColorAt(0.5, QColor(24, 16, 18));
        light.setColorAt(1, QColor(10, 10, 12));
        p.fillRect(r, light);
        DrawHatching(p, r, 6, QColor(255, 255, 255, 6));
        // Light streaks behind the emblem.
        for (int i = 0; i < 7; ++i) {
            QPainterPath streak;
            const qreal y = 40 + i * 30;
            streak.moveTo(-20, y + 60);
            streak.lineTo(size.width() + 20, y - 60);
            QPainterPathStroker stroker;
            stroker.setWidth(1 + (i % 3));
            DrawGlow(p, stroker.createStroke(streak), QColor(255, 50, 40, 40 + 12 * (i % 3)), 2);
        }
        DrawEmblem(p, QRectF(size.width() / 2.0 - 62, 48, 124, 124), 10);
        QLinearGradient line(60, 0, size.width() - 60, 0);
        line.setColorAt(0, QColor(214, 40, 36, 0));
        line.setColorAt(0.5, QColor(255, 70, 56));
        line.setColorAt(1, QColor(214, 40, 36, 0));
        p.fillRect(QRectF(60, 196, size.width() - 120, 2), line);
        for (int i = 0; i < 5; ++i) {
            DrawSlash(p, QPointF(size.width() / 2.0 - 44 + i * 18, 212), 10, 6, 4,
                      QColor(200, 36, 32, 230 - 40 * i));
        }
        DrawBrackets(p, r.adjusted(10, 10, -10, -10), 22, QColor(200, 36, 32));
        DrawWindowFrame(p, size);
    });
}

}  // namespace

void AddWindowArt(SkinSet& skins) {
    const QImage scene = MainScene();
    skins.Add(Name(skin::kMainBackground), scene, layout::kMainWindow, Alpha::kOpaque);
    skins.Add(Name(skin::kMainMid), CopyRect(scene, layout::kMouseArea), layout::kMouseArea.size(),
              Alpha::kOpaque);
    const QRect left(QPoint(0, 0), layout::kMainLeft);
    skins.Add(Name(skin::kMainLeft), CopyRect(scene, left), left.size(), Alpha::kOpaque);
    skins.Add(Name(skin::kLogo), Logo(), layout::kLogo);
    skins.Add(Name(skin::kMouseLogo), MouseLogo(), layout::kMouseLogo);
    skins.Add(Name(skin::kMainRight), SettingsColumn(), layout::kSettingsHost.size(),
              Alpha::kOpaque);
    skins.Add(Name(skin::kAssignmentPanel), AssignmentPanel(), layout::kAssignmentPanel,
              Alpha::kOpaque);
    skins.Add(Name(skin::kAxisPanel), AxisPanel(), layout::kAxisPanel, Alpha::kOpaque);
    skins.Add(Name(skin::kKeyDialog), KeyDialog(), layout::kKeyDialog, Alpha::kOpaque);
    skins.Add(Name(skin::kMacroPicker), MacroKeyDialog(), layout::kMacroKeyDialog, Alpha::kOpaque);
    skins.Add(Name(skin::kMacroManager), MacroManager(), layout::kMacroManager, Alpha::kOpaque);
    skins.Add(Name(skin::kProfileManager), ProfileManager(), layout::kProfileManager,
              Alpha::kOpaque);
    skins.Add(Name(skin::kSplash), Splash(), layout::kSplash, Alpha::kOpaque);
}

}  // namespace skingen
