// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_scroll_wnd.h"

#include "controls/skin_scroll_bar.h"
#include "controls/skin_scrollable.h"

namespace vorlak {

CSkinScrollWnd::CSkinScrollWnd(SkinScrollable& window, const QImage& skin)
    : QWidget(window.parentWidget()),
      window_(window),
      inner_(new QWidget(this)),
      bar_(new CSkinScrollBar(this)) {
    setObjectName("SkinScrollBarFrame");
    inner_->setObjectName("LIMIT");
    setGeometry(window.geometry());
    bar_->SetBitmap(skin);
    window.setParent(inner_);
    window.move(0, 0);
    connect(bar_, &CSkinScrollBar::Scroll, this, &CSkinScrollWnd::Forward);
    connect(&window, &SkinScrollable::ScrollInfoChanged, this, &CSkinScrollWnd::Mirror);
    window.show();
    LayOut();
    show();
}

void CSkinScrollWnd::resizeEvent(QResizeEvent*) {
    LayOut();
}

void CSkinScrollWnd::LayOut() {
    const int thickness = bar_->width();
    inner_->setGeometry(0, 0, width() - thickness, height());
    bar_->setGeometry(width() - thickness, 0, thickness, height());
    window_.resize(inner_->size());
    CopyState();
}

void CSkinScrollWnd::Forward(ScrollRequest request, int position) {
    busy_ = true;
    window_.VerticalScroll(request, position);
    busy_ = false;
    if (request != ScrollRequest::ThumbTrack)
        CopyState();
}

void CSkinScrollWnd::Mirror() {
    if (!busy_ && !bar_->Dragging())
        CopyState();
}

void CSkinScrollWnd::CopyState() {
    const ScrollInfo info = window_.VerticalScrollInfo();
    bar_->setEnabled(info.maximum >= info.page);
    if (info != bar_->GetScrollInfo())
        bar_->SetScrollInfo(info, true);
}

}  // namespace vorlak
