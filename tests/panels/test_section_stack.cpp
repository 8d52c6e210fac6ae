// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column's stack of sections: where titles and panels lie after opening and
// closing in every order, and the content height the column scrolls over.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "panels/section_stack.h"

namespace vorlak {
namespace {

// The panels' heights: DPI, lighting, polling rate, pointer speed, double click, wheel.
constexpr std::array<int, kSectionCount> kHeights{230, 112, 133, 108, 108, 70};

// Where every title belongs when the given sections are open: each title 5 pixels under the
// element above it, counted from the top.
void ExpectStacked(const SectionStack& stack, const char* when) {
    int top = kFirstSectionTop;
    int content = kSectionCount * kSectionTitleHeight;
    for (int k = 0; k < kSectionCount; ++k) {
        EXPECT_EQ(stack.TitleTop(k), top) << "title " << k + 1 << " " << when;
        EXPECT_EQ(stack.PanelTop(k), top + kSectionTitleHeight) << when;
        top += kSectionTitleHeight + kSectionGap;
        if (!stack.Closed(k)) {
            top += kHeights[static_cast<std::size_t>(k)];
            content += kHeights[static_cast<std::size_t>(k)] + 2 * kSectionGap;
        }
    }
    EXPECT_EQ(stack.ContentHeight(), content) << when;
    EXPECT_EQ(stack.RangeHeight(), std::max(content, kMinScrollRangeHeight)) << when;
}

TEST(SectionStackTest, StartsClosedWithTheTitlesOfTheLayout) {
    const SectionStack stack(kHeights);
    const int tops[] = {2, 27, 52, 77, 102, 127};
    for (int k = 0; k < kSectionCount; ++k) {
        EXPECT_TRUE(stack.Closed(k));
        EXPECT_EQ(stack.TitleTop(k), tops[k]);
    }
    EXPECT_EQ(stack.ContentHeight(), 120);
    EXPECT_EQ(stack.RangeHeight(), 563);
}

TEST(SectionStackTest, OpeningTheDpiSectionMovesEveryTitleBelowByItsPanel) {
    SectionStack stack(kHeights);
    stack.SetClosed(0, false);
    const int tops[] = {2, 257, 282, 307, 332, 357};
    for (int k = 0; k < kSectionCount; ++k)
        EXPECT_EQ(stack.TitleTop(k), tops[k]);
    EXPECT_EQ(stack.ContentHeight(), 360);
    stack.SetClosed(0, true);
    EXPECT_EQ(stack.TitleTop(5), 127);
    EXPECT_EQ(stack.ContentHeight(), 120);
}

TEST(SectionStackTest, EveryOrderOfOpeningAndClosingKeepsTheStack) {
    std::array<int, kSectionCount> order;
    std::iota(order.begin(), order.end(), 0);
    do {
        SectionStack stack(kHeights);
        for (int k : order) {
            stack.SetClosed(k, false);
            ExpectStacked(stack, "opening");
        }
        EXPECT_EQ(stack.TitleTop(5), 2 + 5 * 25 + 230 + 112 + 133 + 108 + 108);
        EXPECT_EQ(stack.ContentHeight(), 941);
        // Close in the reverse of a rotated order, so the closing orders vary too.
        std::array<int, kSectionCount> closing = order;
        std::rotate(closing.begin(), closing.begin() + 2, closing.end());
        for (int k : closing) {
            stack.SetClosed(k, true);
            ExpectStacked(stack, "closing");
        }
        EXPECT_EQ(stack.TitleTop(5), 127);
        if (testing::Test::HasFailure())
            break;
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(SectionStackTest, SettingTheStateASectionHasChangesNothing) {
    SectionStack stack(kHeights);
    stack.SetClosed(2, true);
    EXPECT_EQ(stack.ContentHeight(), 120);
    stack.SetClosed(2, false);
    stack.SetClosed(2, false);
    EXPECT_EQ(stack.ContentHeight(), 120 + 143);
    ExpectStacked(stack, "after a repeated open");
}

}  // namespace
}  // namespace vorlak
