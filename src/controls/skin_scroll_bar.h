// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned vertical scroll bar: drawn from a skin grid of 9 columns (up arrow, down arrow,
// thumb, track in columns 0 to 3) and 3 rows (normal, hot, pressed). It hot-tracks its arrows
// and thumb, repeats arrow and page steps while the button is held (one at once, the next
// after 500 ms, then one every 100 ms) and drags its thumb. It reports to its owner exactly as
// a standard scroll bar would: the request and, for thumb requests, the position.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "controls/scroll_bar_geometry.h"
#include "controls/ui_timers.h"

namespace vorlak {

class SkinScrollBar : public QWidget {
    Q_OBJECT

public:
    // The repeat timers, numbered as the bar's window timers were.
    static constexpr int kStartTimer = 200;
    static constexpr int kRepeatTimer = 100;
    static constexpr int kStartDelayMs = 500;
    static constexpr int kRepeatMs = 100;

    // `timers` drive the repeats; the toolkit's own when none are given.
    explicit SkinScrollBar(QWidget* parent, std::unique_ptr<UiTimers> timers = {});

    // Takes the skin; the bar becomes as wide as one cell of it.
    void SetBitmap(const QImage& skin);
    // Range, page and position as the owner's state holds them; repainted at once with
    // `redraw`. A thumb drag in progress keeps its own track position.
    void SetScrollInfo(const ScrollInfo& info, bool redraw);
    const ScrollInfo& GetScrollInfo() const { return info_; }

    ScrollBarGeometry Geometry() const;
    bool Dragging() const { return dragging_; }
    ScrollPart PressedPart() const { return pressedPart_; }
    ScrollPart HotPart() const { return hotPart_; }
    bool Repeating() const { return repeating_; }
    bool Outside() const { return outside_; }

signals:
    // A scroll request; `position` is the thumb's position for the two thumb requests.
    void Scroll(ScrollRequest request, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Swallowed: the second press of a double click does nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum Row { kNormalRow = 0, kHotRow = 1, kPressedRow = 2 };

    void PointerAt(int p);
    void StartTick();
    void RepeatTick();
    void SendPart(ScrollPart part);
    int Cell() const { return cell_; }
    // The skin cell of a column in a row: the top square of the normal row, else the whole
    // cell of the row.
    QImage Source(int column, Row row) const;
    Row ArrowRow(ScrollPart arrow) const;
    void PaintThumb(QPainter& painter, const QRect& target, const QImage& source) const;

    std::unique_ptr<UiTimers> timers_;
    QImage skin_;
    int cell_ = 0;
    int rowHeight_ = 0;
    ScrollInfo info_;
    bool dragging_ = false;
    int pressPoint_ = 0;
    int dragStart_ = 0;
    ScrollPart pressedPart_ = ScrollPart::None;
    bool repeating_ = false;
    ScrollPart hotPart_ = ScrollPart::None;
    bool outside_ = false;
    // Where the pointer was last seen along the bar, for the page repeats.
    int pointer_ = -1;
};

}  // namespace vorlak
