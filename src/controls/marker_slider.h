// SPDX-License-Identifier: GPL-3.0-or-later
// Marker sliders: a skinned track that fills like a level gauge up to the current position.
// MarkerSlider runs horizontally and fills from the left, VerticalMarkerSlider vertically from the
// bottom.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace vorlak {

class MarkerSlider : public QWidget {
    Q_OBJECT

public:
    // A visible child of `owner` at `rect` (its client coordinates) with range 0...10,
    // position 0 and dragging allowed. The owner hears of the chosen position through MarkerPos.
    MarkerSlider(QWidget* owner, const QRect& rect);

    // Cuts `region` out of both images into the track and fill bitmaps; a null image leaves its
    // bitmap empty.
    void SetImages(const QRect& region, const QImage& track, const QImage& fill);

    // The range must span at least two steps (maximum >= minimum + 2) for the gauge to be right.
    void SetRange(int minimum, int maximum);
    // A position outside the range sets the minimum.
    void SetPos(int position);
    // The slider's own switch for starting drags, independent of QWidget::setEnabled.
    void SetDragEnabled(bool enabled) { dragEnabled_ = enabled; }

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Pos() const { return position_; }
    bool Dragging() const { return dragging_; }
    bool DragEnabled() const { return dragEnabled_; }
    QPoint PressPoint() const { return pressPoint_; }

signals:
    // The position chosen when the button is released.
    void MarkerPos(int position);

protected:
    // The value under a point of the slider (its own coordinates), within the range.
    virtual int ValueAt(const QPoint& point) const;
    // Copies the filled part of the fill bitmap over the track on `surface`.
    virtual void PaintFill(QPainter& surface) const;
    // How far the gauge reaches along a track of `length` pixels at the current position.
    int FillLength(int length) const;
    const QImage& FillBitmap() const { return fill_; }
    // Limits a value to the range.
    int Bounded(int value) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage track_;
    QImage fill_;
    bool dragging_ = false;
    QPoint pressPoint_;
    int minimum_ = 0;
    int maximum_ = 10;
    int position_ = 0;
    bool dragEnabled_ = true;
};

class VerticalMarkerSlider : public MarkerSlider {
    Q_OBJECT

public:
    using MarkerSlider::MarkerSlider;

protected:
    int ValueAt(const QPoint& point) const override;
    void PaintFill(QPainter& surface) const override;
};

}  // namespace vorlak
