// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/scroll_frame.h"

#include "controls/skin_scroll_bar.h"
#include "controls/skin_scrollable.h"

namespace vorlak {

ScrollFrame::ScrollFrame(SkinScrollable& window, const QImage& skin)
    : QWidget(window.parentWidget()),
      window_(window),
      inner_(new QWidget(this)),
      bar_(new SkinScrollBar(this)) {
    setObjectName("SkinScrollBarFrame");
    inner_->setObjectName("LIMIT");
    setGeometry(window.geometry());
    bar_->SetBitmap(skin);
    window.setParent(inner_);
    window.move(0, 0);
    connect(bar_, &SkinScrollBar::Scroll, this, &ScrollFrame::Forward);
    connect(&window, &SkinScrollable::ScrollInfoChanged, this, &ScrollFrame::Mirror);
    window.show();
    LayOut();
    show();
}

void ScrollFrame::resizeEvent(QResizeEvent*) {
    LayOut();
}

void ScrollFrame::LayOut() {
    const int thickness = bar_->width();
    inner_->setGeometry(0, 0, width() - thickness, height());
    bar_->setGeometry(width() - thickness, 0, thickness, height());
    window_.resize(inner_->size());
    CopyState();
}

void ScrollFrame::Forward(ScrollRequest request, int position) {
    busy_ = true;
    window_.VerticalScroll(request, position);
    busy_ = false;
    if (request != ScrollRequest::ThumbTrack)
        CopyState();
}

void ScrollFrame::Mirror() {
    if (!busy_ && !bar_->Dragging())
        CopyState();
}

void ScrollFrame::CopyState() {
    const ScrollInfo info = window_.VerticalScrollInfo();
    bar_->setEnabled(info.maximum >= info.page);
    if (info != bar_->GetScrollInfo())
        bar_->SetScrollInfo(info, true);
}

}  // namespace vorlak
