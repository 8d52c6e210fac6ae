// SPDX-License-Identifier: GPL-3.0-or-later
// The frame that gives a window a skinned vertical scroll bar without touching its scrolling
// code: it takes the window's place, clips the window in an inner window, puts the skinned bar
// at its right, hands every request of the bar to the window as the window's own scroll
// request, and mirrors the window's scroll state on the bar as soon as the window says it
// changed.
#pragma once

#include <QImage>
#include <QWidget>

#include "controls/scroll_bar_geometry.h"

namespace vorlak {

class SkinScrollBar;
class SkinScrollable;

class ScrollFrame : public QWidget {
    Q_OBJECT

public:
    static constexpr int kVerticalBarId = 101;
    static constexpr int kInnerWindowId = 200;

    // Takes `window` in: the frame becomes a shown child of the window's parent at the
    // window's place and size; the window moves into the inner window, one bar thickness
    // narrower.
    ScrollFrame(SkinScrollable& window, const QImage& skin);

    SkinScrollBar* VerticalBar() const { return bar_; }
    QWidget* Inner() const { return inner_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The inner window and the taken-in one fill the frame but for the bar at the right.
    void LayOut();
    void Forward(ScrollRequest request, int position);
    // Copies the window's scroll state into the bar unless a request is being forwarded or
    // the thumb is being dragged.
    void Mirror();
    void CopyState();

    SkinScrollable& window_;
    QWidget* inner_;
    SkinScrollBar* bar_;
    bool busy_ = false;
};

}  // namespace vorlak
