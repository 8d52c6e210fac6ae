// SPDX-License-Identifier: GPL-3.0-or-later
// The three-ring frame of every popup menu of the application, drawn by a style that wraps the
// application's own style.
#pragma once

#include <QColor>
#include <QProxyStyle>

class QApplication;
class QPainter;

namespace vorlak {

inline constexpr QColor kMenuOuterRing{143, 32, 32};
inline constexpr QColor kMenuInnerRings{111, 41, 41};
inline constexpr int kMenuFrameWidth = 3;

// Draws the frame into the whole menu window rectangle (placed at 0,0): a 1-pixel outline in
// the outer ring colour, then two in the inner ring colour, each 1 pixel further in.
void DrawMenuFrame(QPainter& painter, const QRect& windowRect);

// A style that gives every QMenu the three-ring frame and leaves everything else to its base.
class MenuFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit MenuFrameStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

// Gives every popup menu of the application the frame, including menus not built as SkinMenu
// (a tray menu, a context menu of a line edit...). Safe to call more than once; call it after
// any change of the application style.
void InstallMenuFrameLook(QApplication& application);

}  // namespace vorlak
