// SPDX-License-Identifier: GPL-3.0-or-later
// Scroll-bar geometry: arrows, thumb size and place, hit testing and the thumb drag, on the
// settings column's bar (561 pixels long, 13-pixel cells) and on bars too short for a thumb.
#include <gtest/gtest.h>

#include "controls/scroll_bar_geometry.h"

namespace vorlak {
namespace {

constexpr int kCell = 13;
// The settings column with every section open: range height 941, page 561.
constexpr ScrollInfo kColumn{0, 940, 561, 0};

ScrollInfo At(int position) {
    ScrollInfo info = kColumn;
    info.position = position;
    return info;
}

struct GeometryCase {
    const char* what;
    int length;
    ScrollInfo info;
    int arrow, thumbOffset, thumbLength;
};

TEST(ScrollBarGeometryTest, ArrowsAndThumb) {
    const GeometryCase cases[] = {
        {"top: thumb 535 * 561 / 941", 561, At(0), 13, 13, 318},
        {"last full page: thumb at the lower arrow", 561, At(380), 13, 230, 318},
        {"half way", 561, At(190), 13, 121, 318},
        {"a thumb drag shows the track position", 561, {0, 940, 561, 0, 380}, 13, 230, 318},
        {"shorter than two arrows: half-length arrows", 20, At(0), 10, 10, 0},
        {"exactly two arrows", 26, At(0), 13, 13, 0},
        {"track of 11 pixels: no thumb", 37, At(190), 13, 18, 0},
        {"track of 12 pixels: a thumb of 12", 38, At(0), 13, 13, 12},
        {"huge range: still 12 pixels of thumb", 561, {0, 1000000, 561, 0}, 13, 13, 12},
        {"nothing to scroll: no thumb, centred", 561, {0, 560, 561, 0}, 13, 280, 0},
        {"empty range", 561, {0, 0, 0, 0}, 13, 13, 12},
    };
    for (const GeometryCase& c : cases) {
        const ScrollBarGeometry g = LayOutScrollBar(c.length, kCell, c.info);
        EXPECT_EQ(g.arrow, c.arrow) << c.what;
        EXPECT_EQ(g.thumbOffset, c.thumbOffset) << c.what;
        EXPECT_EQ(g.thumbLength, c.thumbLength) << c.what;
        EXPECT_EQ(g.SecondArrowStart(), c.length - c.arrow) << c.what;
    }
}

TEST(ScrollBarGeometryTest, HitTest) {
    const ScrollBarGeometry g = LayOutScrollBar(561, kCell, At(190));  // thumb [121, 439)
    const std::pair<int, ScrollPart> cases[] = {
        {-1, ScrollPart::None},         {0, ScrollPart::FirstArrow},
        {12, ScrollPart::FirstArrow},   {13, ScrollPart::TrackBefore},
        {120, ScrollPart::TrackBefore}, {121, ScrollPart::Thumb},
        {438, ScrollPart::Thumb},       {439, ScrollPart::TrackAfter},
        {547, ScrollPart::TrackAfter},  {548, ScrollPart::SecondArrow},
        {560, ScrollPart::SecondArrow}, {900, ScrollPart::SecondArrow},
    };
    for (const auto& [p, part] : cases)
        EXPECT_EQ(HitTestScrollBar(g, p), part) << "at " << p;
    // Without a thumb the track before it ends where the thumb would start.
    const ScrollBarGeometry bare = LayOutScrollBar(37, kCell, At(0));
    EXPECT_EQ(HitTestScrollBar(bare, 13), ScrollPart::TrackAfter);
}

TEST(ScrollBarGeometryTest, ThumbDragScalesByTheFreeTrack) {
    // Free track 535 - 318 = 217 pixels for 380 positions.
    const std::tuple<int, int, int> cases[] = {
        {0, 10, 17},                     // 10 * 380 / 217
        {0, 0, 0},      {100, -10, 83},  // truncated towards zero: -17
        {0, -50, 0},                     // not below the minimum
        {0, 217, 380},  {0, 1000, 380},  // the last full page, not the range's end
        {300, 60, 380},
    };
    for (const auto& [start, delta, position] : cases)
        EXPECT_EQ(ThumbDragPosition(561, kCell, At(start), start, delta), position)
            << start << " + " << delta;
}

}  // namespace
}  // namespace vorlak
