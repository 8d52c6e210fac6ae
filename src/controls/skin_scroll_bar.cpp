// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/skin_image.h"

namespace vorlak {
namespace {

// Skin columns of the vertical bar.
constexpr int kUpArrowColumn = 0;
constexpr int kDownArrowColumn = 1;
constexpr int kThumbColumn = 2;
constexpr int kTrackColumn = 3;
constexpr int kSkinColumns = 9;
constexpr int kSkinRows = 3;
// The thumb's ends are drawn unstretched, this long each.
constexpr int kThumbCap = 6;

bool IsArrow(ScrollPart part) {
    return part == ScrollPart::FirstArrow || part == ScrollPart::SecondArrow;
}

// Repeats the source across and down the target, cut at its edges.
void Tile(QPainter& painter, const QRect& target, const QImage& source) {
    if (target.isEmpty() || source.isNull())
        return;
    painter.save();
    painter.setBrushOrigin(target.topLeft());
    painter.fillRect(target, QBrush(source));
    painter.restore();
}

}  // namespace

SkinScrollBar::SkinScrollBar(QWidget* parent, std::unique_ptr<UiTimers> timers)
    : QWidget(parent), timers_(timers ? std::move(timers) : MakeToolkitTimers()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinScrollBar::SetBitmap(const QImage& skin) {
    skin_ = skin;
    const QSize size = LayoutSize(skin);
    cell_ = size.width() / kSkinColumns;
    rowHeight_ = size.height() / kSkinRows;
    setFixedWidth(cell_);
    update();
}

void SkinScrollBar::SetScrollInfo(const ScrollInfo& info, bool redraw) {
    const int trackPosition = info_.trackPosition;
    info_ = info;
    info_.trackPosition = trackPosition;
    if (redraw)
        repaint();
}

ScrollBarGeometry SkinScrollBar::Geometry() const {
    return LayOutScrollBar(height(), cell_, info_);
}

QImage SkinScrollBar::Source(int column, Row row) const {
    if (row == kNormalRow)
        return SkinPart(skin_, QRect(column * cell_, 0, cell_, cell_));
    return SkinPart(skin_, QRect(column * cell_, row * rowHeight_, cell_, rowHeight_));
}

SkinScrollBar::Row SkinScrollBar::ArrowRow(ScrollPart arrow) const {
    if (pressedPart_ == arrow)
        return outside_ ? kNormalRow : kPressedRow;
    if (pressedPart_ == ScrollPart::None && !dragging_ && hotPart_ == arrow)
        return kHotRow;
    return kNormalRow;
}

void SkinScrollBar::PaintThumb(QPainter& painter, const QRect& target, const QImage& source) const {
    const int cap = std::min(kThumbCap, target.height() / 2);
    const int sourceHeight = LayoutSize(source).height();
    const int sourceCap = std::min(cap, sourceHeight / 2);
    const int w = target.width();
    painter.drawImage(QRect(target.left(), target.top(), w, cap),
                      SkinPart(source, QRect(0, 0, w, sourceCap)));
    painter.drawImage(QRect(target.left(), target.bottom() + 1 - cap, w, cap),
                      SkinPart(source, QRect(0, sourceHeight - sourceCap, w, sourceCap)));
    const QImage middle = SkinPart(source, QRect(0, sourceCap, w, sourceHeight - 2 * sourceCap));
    Tile(painter, QRect(target.left(), target.top() + cap, w, target.height() - 2 * cap), middle);
}

void SkinScrollBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skin_.isNull() || cell_ == 0)
        return;
    const ScrollBarGeometry g = Geometry();
    const int w = width();
    painter.drawImage(QRect(0, 0, w, g.arrow),
                      Source(kUpArrowColumn, ArrowRow(ScrollPart::FirstArrow)));
    painter.drawImage(QRect(0, g.SecondArrowStart(), w, g.arrow),
                      Source(kDownArrowColumn, ArrowRow(ScrollPart::SecondArrow)));
    const QImage track = Source(kTrackColumn, kNormalRow);
    Tile(painter, QRect(0, g.arrow, w, g.thumbOffset - g.arrow), track);
    Tile(painter, QRect(0, g.ThumbEnd(), w, g.SecondArrowStart() - g.ThumbEnd()), track);
    if (g.thumbLength == 0)
        return;
    const Row thumbRow = dragging_ ? kPressedRow
                         : pressedPart_ == ScrollPart::None && hotPart_ == ScrollPart::Thumb
                             ? kHotRow
                             : kNormalRow;
    PaintThumb(painter, QRect(0, g.thumbOffset, w, g.thumbLength), Source(kThumbColumn, thumbRow));
}

void SkinScrollBar::SendPart(ScrollPart part) {
    emit Scroll(static_cast<ScrollRequest>(part), 0);
}

void SkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int p = event->position().toPoint().y();
    pointer_ = p;
    const ScrollPart part = HitTestScrollBar(Geometry(), p);
    if (part == ScrollPart::None)
        return;
    if (part == ScrollPart::Thumb) {
        pressPoint_ = p;
        dragging_ = true;
        info_.trackPosition = info_.position;
        dragStart_ = info_.position;
        update();
        return;
    }
    pressedPart_ = part;
    outside_ = false;
    SendPart(part);
    timers_->Start(kStartTimer, kStartDelayMs, [this] { StartTick(); });
    update();
}

void SkinScrollBar::StartTick() {
    repeating_ = true;
    timers_->Stop(kStartTimer);
    timers_->Start(kRepeatTimer, kRepeatMs, [this] { RepeatTick(); });
    RepeatTick();
}

void SkinScrollBar::RepeatTick() {
    if (outside_)
        return;
    // The last position that still shows a full page.
    const int last = info_.maximum - std::max(info_.page - 1, 0);
    switch (pressedPart_) {
        case ScrollPart::FirstArrow:
            if (info_.position <= info_.minimum)
                timers_->Stop(kRepeatTimer);
            else
                SendPart(pressedPart_);
            break;
        case ScrollPart::SecondArrow:
            if (info_.position >= last)
                timers_->Stop(kRepeatTimer);
            else
                SendPart(pressedPart_);
            break;
        case ScrollPart::TrackBefore:
        case ScrollPart::TrackAfter:
            if (HitTestScrollBar(Geometry(), pointer_) == ScrollPart::Thumb)
                timers_->Stop(kRepeatTimer);
            else
                SendPart(pressedPart_);
            break;
        default:
            timers_->Stop(kRepeatTimer);
            break;
    }
}

void SkinScrollBar::PointerAt(int p) {
    pointer_ = p;
    if (dragging_) {
        const int moved = ThumbDragPosition(height(), cell_, info_, dragStart_, p - pressPoint_);
        if (moved != info_.trackPosition) {
            info_.trackPosition = moved;
            update();
            emit Scroll(ScrollRequest::ThumbTrack, moved);
        }
        return;
    }
    const ScrollPart under = HitTestScrollBar(Geometry(), p);
    if (pressedPart_ == ScrollPart::None) {
        if (under != hotPart_) {
            hotPart_ = under;
            update();
        }
        return;
    }
    const bool outside = under != pressedPart_;
    if (outside != outside_) {
        outside_ = outside;
        if (IsArrow(pressedPart_))
            update();
    }
}

void SkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    PointerAt(event->position().toPoint().y());
}

void SkinScrollBar::leaveEvent(QEvent*) {
    if (!dragging_)
        PointerAt(-1);
}

void SkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (dragging_) {
        dragging_ = false;
        const int position = info_.trackPosition;
        emit Scroll(ScrollRequest::ThumbPosition, position);
        info_.trackPosition = -1;
        update();
        return;
    }
    if (pressedPart_ == ScrollPart::None)
        return;
    timers_->Stop(repeating_ ? kRepeatTimer : kStartTimer);
    repeating_ = false;
    pressedPart_ = ScrollPart::None;
    update();
}

void SkinScrollBar::mouseDoubleClickEvent(QMouseEvent*) {}

}  // namespace vorlak
