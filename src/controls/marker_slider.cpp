// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/marker_slider.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/skin_image.h"

namespace vorlak {

MarkerSlider::MarkerSlider(QWidget* owner, const QRect& rect) : QWidget(owner) {
    setGeometry(rect);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    show();
}

void MarkerSlider::SetImages(const QRect& region, const QImage& track, const QImage& fill) {
    track_ = CutSkinBitmap(track, region);
    fill_ = CutSkinBitmap(fill, region);
    update();
}

void MarkerSlider::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void MarkerSlider::SetPos(int position) {
    position_ = position >= minimum_ && position <= maximum_ ? position : minimum_;
    update();
}

int MarkerSlider::Bounded(int value) const {
    return std::clamp(value, minimum_, std::max(minimum_, maximum_));
}

int MarkerSlider::FillLength(int length) const {
    // The gauge divides by one step less than the range, so it is full one step below the
    // maximum. A range of fewer than two steps would divide by zero: it counts as one step.
    const int divisor = std::max(1, maximum_ - minimum_ - 1);
    return std::clamp(length * (position_ - minimum_) / divisor, 0, length);
}

int MarkerSlider::ValueAt(const QPoint& point) const {
    const int length = width();
    if (length <= 0)
        return minimum_;
    const int x = std::clamp(point.x(), 0, length);
    return Bounded(minimum_ + x * (maximum_ - minimum_) / length);
}

void MarkerSlider::PaintFill(QPainter& surface) const {
    const int filled = FillLength(width());
    if (filled > 0)
        surface.drawImage(QPoint(0, 0), SkinPart(fill_, QRect(0, 0, filled, height())));
}

int VerticalMarkerSlider::ValueAt(const QPoint& point) const {
    const int length = height();
    if (length <= 0)
        return Minimum();
    const int y = std::clamp(point.y(), 0, length);
    return Bounded(Minimum() + (length - y) * (Maximum() - Minimum()) / length);
}

void VerticalMarkerSlider::PaintFill(QPainter& surface) const {
    const int filled = FillLength(height());
    if (filled > 0)
        surface.drawImage(0, height() - filled, FillBitmap());
}

void MarkerSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, track_);
    PaintFill(painter);
}

void MarkerSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragEnabled_)
        return;
    pressPoint_ = event->position().toPoint();
    dragging_ = true;
}

void MarkerSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    position_ = ValueAt(event->position().toPoint());
    update();
}

void MarkerSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    position_ = ValueAt(event->position().toPoint());
    emit MarkerPos(position_);
    update();
}

void MarkerSlider::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    dragging_ = false;
    update();
}

}  // namespace vorlak
