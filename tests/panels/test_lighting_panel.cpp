// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting panel: mode marks and slider drags on records with modes and steps outside the
// panel's range, and the record bytes after each.
#include "panels/lighting_panel.h"

#include "controls/marker_slider.h"
#include "panel_fixture.h"

namespace vorlak {
namespace {

using LightingPanelTest = PanelFixture;

std::array<bool, 3> Usable(const LightingPanel& panel) {
    return {panel.Slider(0)->isEnabled(), panel.Slider(1)->isEnabled(),
            panel.Slider(2)->isEnabled()};
}

TEST_F(LightingPanelTest, StoredModesAndSteps) {
    struct Case {
        Byte mode;
        std::array<Byte, 3> steps;
        std::array<bool, 3> usable;
        std::array<int, 3> shown;
    };
    const Case cases[] = {
        {1, {2, 2, 4}, {true, false, false}, {2, 2, 4}},
        {2, {0, 7, 6}, {false, true, false}, {1, 1, 6}},   // steps 0 and 7 shown at 1
        {4, {3, 3, 3}, {false, false, false}, {3, 3, 3}},  // mode 4: none usable
        {0, {3, 3, 3}, {true, true, true}, {0, 0, 0}},     // mode 0: left as made
        {9, {3, 3, 3}, {true, true, true}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        Stored().lightMode = c.mode;
        std::tie(Stored().lightBrightness, Stored().lightBreathRate, Stored().lightNeonRate) =
            std::tuple(c.steps[0], c.steps[1], c.steps[2]);
        LightingPanel panel(context_, nullptr);
        Observed(panel);
        EXPECT_EQ(Usable(panel), c.usable) << int{c.mode};
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(panel.Slider(row)->Pos(), c.shown[row]) << int{c.mode} << " row " << row;
        EXPECT_EQ(record_.lightMode, c.mode);
        EXPECT_EQ(record_.lightBrightness, c.steps[0]);
        EXPECT_EQ(record_.lightBreathRate, c.steps[1]);
    }
}

TEST_F(LightingPanelTest, MarksAndDrags) {
    Stored().lightMode = 4;
    Stored().lightBrightness = 0;
    Stored().lightBreathRate = 7;
    Stored().lightMode4Param = 9;
    LightingPanel panel(context_, nullptr);
    Observed(panel);

    DragTo(*panel.Slider(1), {10, 4}, {200, 4});  // disabled: nothing
    EXPECT_EQ(record_.lightBreathRate, 7);

    Click(panel, LightingPanel::Mark(1).center());  // Respiration
    EXPECT_EQ(record_.lightMode, 2);
    EXPECT_EQ(Usable(panel), (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(record_.lightBreathRate, 7);  // shown at 1, stored only by a drag

    DragTo(*panel.Slider(1), {10, 4}, {64, 4});  // 1 + 64 * 5 / 128
    EXPECT_EQ(record_.lightBreathRate, 3);
    DragTo(*panel.Slider(1), {10, 4}, {300, 4});  // past the right end: 6
    EXPECT_EQ(record_.lightBreathRate, 6);

    Click(panel, {60, 24});  // a label: nothing
    Click(panel, LightingPanel::Mark(2).bottomRight() + QPoint(1, 1));
    EXPECT_EQ(record_.lightMode, 2);
    Click(panel, LightingPanel::Mark(2).bottomRight());  // Neon
    EXPECT_EQ(record_.lightMode, 3);
    DragTo(*panel.Slider(2), {10, 4}, {0, 4});
    EXPECT_EQ(record_.lightNeonRate, 1);
    EXPECT_EQ(record_.lightBrightness, 0);
    EXPECT_EQ(record_.lightMode4Param, 9);
}

}  // namespace
}  // namespace vorlak
