// SPDX-License-Identifier: GPL-3.0-or-later
// The caption rule: the largest size that fits, down to the floor, and how much a box lacks.
#include "skin/caption_fit.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlak {
namespace {

struct FitCase {
    const char* what;
    std::vector<int> widths;  // from the own size down
    int own;
    int room;
    int pixels;
    int shortBy;
};

TEST(CaptionFitTest, TakesTheLargestSizeThatFitsAndSaysHowMuchTheFloorLacks) {
    const FitCase cases[] = {
        {"fits at its own size", {50, 46, 42, 38, 34}, 13, 50, 13, 0},
        {"one size smaller", {51, 47, 43, 39, 35}, 13, 50, 12, 0},
        {"only the floor fits", {60, 56, 52, 48, 44}, 13, 44, 9, 0},
        {"not even the floor", {60, 56, 52, 48, 44}, 13, 40, 9, 4},
        // Hinting may make a smaller size wider; the largest size that fits wins.
        {"widths not in order", {55, 49, 51, 45, 44}, 13, 50, 12, 0},
        {"below the floor already", {30}, 8, 20, 8, 10},
        {"nothing measured", {}, 13, 0, 13, 0},
    };
    for (const FitCase& c : cases) {
        const CaptionFit fit = FitCaption(c.widths, c.own, c.room);
        EXPECT_EQ(fit.pixels, c.pixels) << c.what;
        EXPECT_EQ(fit.shortBy, c.shortBy) << c.what;
        EXPECT_EQ(fit.Fits(), c.shortBy == 0) << c.what;
    }
}

TEST(CaptionFitTest, ACaptionIsMeasuredFromItsOwnSizeDownToTheFloor) {
    EXPECT_EQ(CaptionSizes(13), 13 - kCaptionFloorPixels + 1);
    EXPECT_EQ(CaptionSizes(kCaptionFloorPixels), 1);
    EXPECT_EQ(CaptionSizes(7), 1);
}

}  // namespace
}  // namespace vorlak
