// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/column_scroll.h"

#include <algorithm>
#include <cstdlib>

namespace vorlak {

ScrollInfo ColumnScroll::Info() const {
    if (page == 0)
        return {};
    return {0, rangeHeight - 1, page, position};
}

ColumnScroll UpdateColumnScroll(const ColumnScroll& old, int visibleHeight, int rangeHeight) {
    if (visibleHeight >= rangeHeight)
        return {rangeHeight, 0, 0};
    int position = old.position;
    if (old.page > 0 && old.position > 0)
        position = old.position * visibleHeight / old.page;
    ColumnScroll scroll{rangeHeight, visibleHeight, 0};
    scroll.position = std::clamp(position, 0, scroll.LastPosition());
    return scroll;
}

int ScrolledPosition(const ColumnScroll& scroll, ScrollRequest request, int requested) {
    int position = scroll.position;
    switch (request) {
        case ScrollRequest::LineUp:
            position -= kColumnLineStep;
            break;
        case ScrollRequest::LineDown:
            position += kColumnLineStep;
            break;
        case ScrollRequest::PageUp:
            position -= scroll.page;
            break;
        case ScrollRequest::PageDown:
            position += scroll.page;
            break;
        case ScrollRequest::ThumbPosition:
        case ScrollRequest::ThumbTrack:
            position = requested;
            break;
        default:
            return scroll.position;
    }
    return std::clamp(position, 0, std::max(scroll.LastPosition(), 0));
}

WheelSteps ColumnWheelSteps(int delta, int wheelLines) {
    const bool up = delta > 0;
    if (wheelLines < 0)
        return {up ? ScrollRequest::PageUp : ScrollRequest::PageDown, 1};
    const int lines = std::abs(delta) / kWheelNotch * wheelLines;
    return {up ? ScrollRequest::LineUp : ScrollRequest::LineDown, lines >= 6 ? lines / 3 : 1};
}

}  // namespace vorlak
