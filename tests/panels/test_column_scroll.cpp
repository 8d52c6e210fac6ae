// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column's scrolling: the range with every section closed and open, the rescale
// when the range or page changes, scroll requests, thumb drags past the end and the wheel.
#include <gtest/gtest.h>

#include "panels/column_scroll.h"

namespace vorlak {
namespace {

constexpr int kVisible = 561;

TEST(ColumnScrollTest, ClosedColumnScrollsTwoPixels) {
    const ColumnScroll scroll = UpdateColumnScroll({}, kVisible, 563);
    EXPECT_EQ(scroll, (ColumnScroll{563, 561, 0}));
    EXPECT_EQ(scroll.Info(), (ScrollInfo{0, 562, 561, 0}));
    EXPECT_EQ(ScrolledPosition(scroll, ScrollRequest::LineDown, 0), 2);
}

TEST(ColumnScrollTest, UpdateScalesAndLimitsThePosition) {
    struct Case {
        ColumnScroll old;
        int visible, range;
        ColumnScroll expected;
    };
    const Case cases[] = {
        {{563, 561, 0}, 561, 941, {941, 561, 0}},      // a section opened
        {{941, 561, 380}, 561, 563, {563, 561, 2}},    // closed again: within the last page
        {{941, 561, 300}, 400, 941, {941, 400, 213}},  // 300 * 400 / 561
        {{941, 561, 300}, 941, 941, {941, 0, 0}},      // nothing to scroll
        {{941, 0, 0}, 561, 941, {941, 561, 0}},        // no old page: no scaling
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateColumnScroll(c.old, c.visible, c.range), c.expected)
            << c.old.position << " in " << c.visible << " of " << c.range;
}

TEST(ColumnScrollTest, RequestsStayWithinTheLastFullPage) {
    const ColumnScroll at100{941, 561, 100};
    const std::tuple<ScrollRequest, int, int> cases[] = {
        {ScrollRequest::LineUp, 0, 40},        {ScrollRequest::LineDown, 0, 160},
        {ScrollRequest::PageUp, 0, 0},         {ScrollRequest::PageDown, 0, 380},
        {ScrollRequest::ThumbTrack, 250, 250}, {ScrollRequest::ThumbPosition, 900, 380},
        {ScrollRequest::ThumbTrack, -5, 0},    {ScrollRequest::Top, 0, 100},
        {ScrollRequest::Bottom, 0, 100},       {ScrollRequest::EndScroll, 0, 100},
    };
    for (const auto& [request, requested, position] : cases)
        EXPECT_EQ(ScrolledPosition(at100, request, requested), position)
            << static_cast<int>(request);
}

TEST(ColumnScrollTest, WheelNotchesMakeLineOrPageSteps) {
    struct Case {
        int delta, lines;
        ScrollRequest request;
        int count;
    };
    const Case cases[] = {
        {-120, 3, ScrollRequest::LineDown, 1},  // one notch, three lines: one step
        {120, 3, ScrollRequest::LineUp, 1},
        {-240, 3, ScrollRequest::LineDown, 2},  // two notches at once: two steps
        {-360, 3, ScrollRequest::LineDown, 3},
        {-120, 7, ScrollRequest::LineDown, 2},  // 7 lines: 7 / 3
        {-120, 1, ScrollRequest::LineDown, 1},
        {-120, 0, ScrollRequest::LineDown, 1},
        {-120, kWheelScrollsPages, ScrollRequest::PageDown, 1},
        {360, kWheelScrollsPages, ScrollRequest::PageUp, 1},
    };
    for (const Case& c : cases) {
        const WheelSteps steps = ColumnWheelSteps(c.delta, c.lines);
        EXPECT_EQ(steps.request, c.request) << c.delta << " " << c.lines;
        EXPECT_EQ(steps.count, c.count) << c.delta << " " << c.lines;
    }
}

}  // namespace
}  // namespace vorlak
