// SPDX-License-Identifier: GPL-3.0-or-later
// Moves a frameless window by a drag that starts on a free spot of it, as its caption would.
// The move begins only once the pointer has moved the drag distance with the left button held:
// a move begun by the press of a quick tap would start after its release and keep the window
// on the pointer until the next click. The desktop moves the window (startSystemMove, the only
// way on Wayland); where it cannot, the window follows the pointer itself.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace vorlak {

class WindowMover {
public:
    // A left press on a free spot of the window.
    void Pressed(const QMouseEvent& event);
    // A pointer move over the window: true when it belongs to the move (it began it or moved
    // the window), so that it means nothing else.
    bool Moved(QWidget& window, const QMouseEvent& event);
    // The button went up: the move, or the press that could have begun one, is over.
    void Released() { pressed_ = dragging_ = false; }

private:
    QPoint pressAt_;  // where the button went down, in screen pixels
    bool pressed_ = false;
    QPoint offset_;  // of the pointer from the window's corner, while the window follows it
    bool dragging_ = false;
};

}  // namespace vorlak
