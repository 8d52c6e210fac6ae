// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/menu_frame_look.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>

namespace vorlak {

void DrawMenuFrame(QPainter& painter, const QRect& windowRect) {
    QRect ring(QPoint(0, 0), windowRect.size());
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const QColor& color : {kMenuOuterRing, kMenuInnerRings, kMenuInnerRings}) {
        painter.setPen(color);
        painter.drawRect(ring.adjusted(0, 0, -1, -1));
        ring.adjust(1, 1, -1, -1);
    }
    painter.restore();
}

void MenuFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameMenu && qobject_cast<const QMenu*>(widget))
        DrawMenuFrame(*painter, widget->rect());
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int MenuFrameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    if (metric == PM_MenuPanelWidth && qobject_cast<const QMenu*>(widget))
        return kMenuFrameWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void InstallMenuFrameLook(QApplication& application) {
    if (qobject_cast<MenuFrameStyle*>(application.style()))
        return;
    application.setStyle(new MenuFrameStyle(QStyleFactory::create(application.style()->name())));
}

}  // namespace vorlak
