// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/window_mover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vorlak {

void WindowMover::Pressed(const QMouseEvent& event) {
    pressed_ = true;
    dragging_ = false;
    pressAt_ = event.globalPosition().toPoint();
}

bool WindowMover::Moved(QWidget& window, const QMouseEvent& event) {
    if (!(event.buttons() & Qt::LeftButton)) {
        pressed_ = dragging_ = false;
        return false;
    }
    const QPoint at = event.globalPosition().toPoint();
    if (pressed_ && (at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
        pressed_ = false;
        if (window.windowHandle() != nullptr && window.windowHandle()->startSystemMove())
            return true;
        dragging_ = true;
        offset_ = pressAt_ - window.frameGeometry().topLeft();
    }
    if (!dragging_)
        return false;
    window.move(at - offset_);
    return true;
}

}  // namespace vorlak
