// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic pointer input for widget tests: events are sent straight to the widget.
#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vorlak {

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::NoButton) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void Press(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}
inline void Drag(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
inline void Hover(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}
inline void Release(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline void Enter(QWidget& widget, QPoint at) {
    const QPointF local(at);
    QEnterEvent event(local, local, widget.mapToGlobal(local));
    QApplication::sendEvent(&widget, &event);
}
inline void Leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace vorlak
