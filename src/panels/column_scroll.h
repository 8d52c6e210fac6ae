// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column's vertical scrolling: its state, how it follows a change of the range or
// of the visible height, where a scroll request takes it, and how many steps a wheel turn
// makes. No toolkit.
#pragma once

#include "controls/scroll_bar_geometry.h"

namespace vorlak {

inline constexpr int kColumnLineStep = 60;
inline constexpr int kWheelNotch = 120;
// The desktop's wheel setting for one page per notch: the all-ones value read as a number, or
// any other negative one.
inline constexpr int kWheelScrollsPages = -1;

struct ColumnScroll {
    int rangeHeight = 0;  // what the column scrolls over
    int page = 0;         // the visible height, 0 when everything is visible
    int position = 0;

    // What a standard scroll bar shows: range 0...rangeHeight - 1 with the page, or an empty
    // range when there is nothing to scroll.
    ScrollInfo Info() const;
    int LastPosition() const { return rangeHeight - page; }
    bool operator==(const ColumnScroll&) const = default;
};

// The state after the range height or the visible height changed: with something to scroll a
// position is scaled by the new page over the old one and kept within the last full page;
// with nothing to scroll, page and position are 0.
ColumnScroll UpdateColumnScroll(const ColumnScroll& old, int visibleHeight, int rangeHeight);

// The position a request takes the column to, within 0...LastPosition(): lines of 60 pixels,
// pages of the visible height, thumb requests to `requested`. Top, bottom and end of scroll
// leave it.
int ScrolledPosition(const ColumnScroll& scroll, ScrollRequest request, int requested);

struct WheelSteps {
    ScrollRequest request;
    int count;
};

// The steps for `delta` wheel units (120 a notch, positive away from the user) with the
// desktop's `wheelLines`: one page when it scrolls pages; else n = notches x lines and n / 3
// line steps when n is 6 or more, otherwise one.
WheelSteps ColumnWheelSteps(int delta, int wheelLines);

}  // namespace vorlak
