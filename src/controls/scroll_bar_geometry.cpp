// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/scroll_bar_geometry.h"

#include <algorithm>

namespace vorlak {

ScrollBarGeometry LayOutScrollBar(int length, int cell, const ScrollInfo& info) {
    ScrollBarGeometry g;
    g.length = length;
    g.arrow = length - 2 * cell <= 0 ? length / 2 : cell;
    const int track = std::max(length - 2 * cell, 0);
    const int span = info.maximum - info.minimum;
    const int travel = info.Travel();
    if (travel > 0 && track >= kMinThumbLength)
        g.thumbLength = std::max(track * info.page / (span + 1), kMinThumbLength);
    const int shown = info.trackPosition >= 0 ? info.trackPosition : info.position;
    g.thumbOffset = travel > 0 ? g.arrow + shown * (track - g.thumbLength) / travel
                               : g.arrow + (track - g.thumbLength) / 2;
    return g;
}

ScrollPart HitTestScrollBar(const ScrollBarGeometry& g, int p) {
    if (p < 0)
        return ScrollPart::None;
    if (p < g.arrow)
        return ScrollPart::FirstArrow;
    if (p < g.thumbOffset)
        return ScrollPart::TrackBefore;
    if (p < g.ThumbEnd())
        return ScrollPart::Thumb;
    if (p < g.SecondArrowStart())
        return ScrollPart::TrackAfter;
    return ScrollPart::SecondArrow;
}

int ThumbDragPosition(int length, int cell, const ScrollInfo& info, int dragStart, int delta) {
    const int track = length - 2 * cell;
    const int freeTrack = track - LayOutScrollBar(length, cell, info).thumbLength;
    const int travel = info.Travel();
    const int moved = freeTrack == 0 ? 0 : delta * travel / freeTrack;
    return std::min(std::max(dragStart + moved, info.minimum), travel);
}

}  // namespace vorlak
