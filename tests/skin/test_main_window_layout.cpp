// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/main_window_layout.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

TEST(MainWindowLayoutTest, EntriesThreeAndFourShowEachOthersOverlayAndShiftShowsNone) {
    const int expected[] = {1, 2, 3, 5, 4, 6, 7, 0, 0, 0, 0, 0, 0, 0};
    for (int entry = 0; entry < 14; ++entry)
        EXPECT_EQ(OverlayOfEntry(entry), expected[entry]) << entry;
    EXPECT_EQ(OverlayOfEntry(-1), 0);
    EXPECT_EQ(OverlayImage(MouseView::Top, 5, true), "Skins/Mouse/Front/F-5-over.png");
    EXPECT_EQ(OverlayImage(MouseView::Side, 4, false), "Skins/Mouse/Side/S-4-normal.png");
    EXPECT_EQ(OverlayPosition(MouseView::Side, 7), (PixelPoint{487, 135}));
}

TEST(MainWindowLayoutTest, SectionsMoveByTheAssignmentHeightAndCarryTheSliders) {
    constexpr int h = 280;
    const SectionLayout collapsed = LayOutSections(true, true, h);
    EXPECT_EQ(collapsed.macroHeader, (PixelRect{20, 132, 262, 152}));
    EXPECT_EQ(collapsed.axisHeader, (PixelRect{20, 157, 262, 177}));
    EXPECT_FALSE(collapsed.labelsVisible);
    EXPECT_FALSE(collapsed.slidersVisible);

    const SectionLayout axisOpen = LayOutSections(true, false, h);
    EXPECT_TRUE(axisOpen.slidersVisible);
    EXPECT_EQ(axisOpen.xSlider, (PixelRect{37, 202, 245, 211}));
    EXPECT_EQ(axisOpen.ySlider, (PixelRect{37, 262, 245, 271}));

    const SectionLayout bothOpen = LayOutSections(false, false, h);
    EXPECT_TRUE(bothOpen.labelsVisible);
    EXPECT_EQ(bothOpen.macroHeader.top, 132 + h);
    EXPECT_EQ(bothOpen.xSlider.top, axisOpen.xSlider.top + h);
    EXPECT_EQ(bothOpen.ySlider.top, axisOpen.ySlider.top + h);
}

}  // namespace
}  // namespace vorlak
