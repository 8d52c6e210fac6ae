// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI panel: drags, toggle and swatch clicks on stages holding edge values, and the record
// bytes after each; the seventh stage never changes.
#include "panels/dpi_panel.h"

#include <cstring>

#include "controls/marker_slider.h"
#include "panel_fixture.h"

namespace vorlak {
namespace {

using DpiPanelTest = PanelFixture;

// A drag on slider `stage` to height y of the slider (0 is its top, 169 its bottom).
void DragSlider(DpiPanel& panel, int stage, int y) {
    DragTo(*panel.Slider(stage), {3, 84}, {3, y});
}

QPoint Centre(const QRect& r) {
    return r.center();
}

TEST_F(DpiPanelTest, SlidersShowStoredCodesWithinTheirRange) {
    Stored().dpiLevel = {0, 55, 255, 20, 54, 1, 9};
    DpiPanel panel(context_, nullptr);
    Observed(panel);
    const int shown[] = {1, 54, 54, 20, 54, 1};
    for (int stage = 0; stage < 6; ++stage)
        EXPECT_EQ(panel.Slider(stage)->Pos(), shown[stage]) << stage;
    EXPECT_EQ(FormatDpiLabel(record_, 0), "100");  // a code of 0 still reads 100 DPI
    EXPECT_EQ(FormatDpiLabel(record_, 1), "");     // 55: an empty value box
    EXPECT_EQ(record_.dpiLevel, (std::array<Byte, 7>{0, 55, 255, 20, 54, 1, 9}));
}

TEST_F(DpiPanelTest, DragsStoreTheCodeAndSwitchTheStageOn) {
    struct Case {
        const char* what;
        int stage;
        Byte code, flag;
        int y;
        Byte codeAfter, flagAfter;
    };
    const Case cases[] = {
        {"code 0 dragged to the bottom stores 1 (200 DPI)", 0, 0, 1, 169, 1, 1},
        {"code 55 dragged to the top stores 54", 1, 55, 1, 0, 54, 1},
        {"above the slider: the top", 1, 200, 1, -30, 54, 1},
        {"below the slider: the bottom", 2, 20, 1, 400, 1, 1},
        {"half way", 3, 20, 1, 84, 27, 1},  // 1 + (169 - 84) * 53 / 169
        {"a disabled stage is switched on", 4, 20, 0, 0, 54, 1},
        {"a flag of 2 stays 2", 5, 20, 2, 0, 54, 2},
    };
    for (const Case& c : cases) {
        Stored() = {};
        ResetToDefaults(Stored());
        Stored().dpiLevel[c.stage] = c.code;
        Stored().dpiEnabled[c.stage] = c.flag;
        const MouseConfig before = record_;
        DpiPanel panel(context_, nullptr);
        Observed(panel);
        DragSlider(panel, c.stage, c.y);
        EXPECT_EQ(record_.dpiLevel[c.stage], c.codeAfter) << c.what;
        EXPECT_EQ(record_.dpiEnabled[c.stage], c.flagAfter) << c.what;
        MouseConfig rest = record_;
        rest.dpiLevel[c.stage] = c.code;
        rest.dpiEnabled[c.stage] = c.flag;
        EXPECT_EQ(std::memcmp(&rest, &before, sizeof rest), 0) << c.what << ": other bytes";
    }
}

TEST_F(DpiPanelTest, ToggleAndSwatchClicks) {
    Stored().dpiEnabled = {1, 0, 2, 1, 1, 1, 0};
    const auto seventh =
        std::tuple(record_.dpiLevel[6], record_.dpiEnabled[6], record_.dpiColor[6]);
    DpiPanel panel(context_, nullptr);
    Observed(panel);

    Click(panel, Centre(DpiPanel::Swatch(1)));  // disabled: no chooser
    Click(panel, Centre(DpiPanel::Swatch(2)));  // flag 2: no chooser either
    EXPECT_EQ(chooserOpened_, 0);

    Click(panel, Centre(DpiPanel::Toggle(1)));  // switched on, the same click opens it now
    Click(panel, Centre(DpiPanel::Toggle(2)));  // 2 turns into 0
    EXPECT_EQ(record_.dpiEnabled[1], 1);
    EXPECT_EQ(record_.dpiEnabled[2], 0);

    answers_ = {Color{12, 34, 56}, std::nullopt};
    Click(panel, Centre(DpiPanel::Swatch(1)));
    EXPECT_EQ(record_.dpiColor[1], (Color{12, 34, 56}));
    Click(panel, Centre(DpiPanel::Swatch(1)));  // cancelled: the colour stays
    EXPECT_EQ(record_.dpiColor[1], (Color{12, 34, 56}));
    EXPECT_EQ(chooserOpened_, 2);

    // The toggle's and swatch's edges: right and bottom edges are outside.
    const QRect toggle = DpiPanel::Toggle(0);
    Click(panel, {toggle.right() + 1, toggle.top()});
    Click(panel, {toggle.left(), toggle.bottom() + 1});
    EXPECT_EQ(record_.dpiEnabled[0], 1);
    Click(panel, toggle.bottomRight());
    EXPECT_EQ(record_.dpiEnabled[0], 0);

    EXPECT_EQ(seventh, std::tuple(record_.dpiLevel[6], record_.dpiEnabled[6], record_.dpiColor[6]));
}

TEST_F(DpiPanelTest, RefreshFollowsAReplacedRecord) {
    DpiPanel panel(context_, nullptr);
    Observed(panel);
    MouseConfig loaded = record_;
    loaded.dpiLevel[0] = 33;
    editor_.Replace(loaded, editor_.Labels());
    panel.RefreshFromConfig();
    EXPECT_EQ(panel.Slider(0)->Pos(), 33);
}

}  // namespace
}  // namespace vorlak
