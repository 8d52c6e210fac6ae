// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointer_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/diagnostics.h"

namespace vorlak {
namespace {

TEST(PointerSettingsTest, ValuesFromTheRecord) {
    struct Case {
        Byte precision, speed, pageScroll, wheelLines, doubleClickStep;
        PointerValues expected;
    };
    const Case cases[] = {
        // The defaults: precision 255 is off.
        {255, 6, 0, 3, 6, {0, 0, 0, 10, 3, 550}},
        {1, 1, 0, 100, 1, {6, 10, 1, 1, 100, 900}},
        // A double-click step off the dial's 1..11 reaches the desktop as the dial's nearest
        // end, never as a time below 200 ms or above 900 ms (255 was -16880 ms).
        {0, 11, 1, 3, 13, {0, 0, 0, 20, kWheelPageScroll, 200}},
        {2, 2, 0, 1, 0, {0, 0, 0, 2, 1, 900}},
        {255, 6, 0, 3, 255, {0, 0, 0, 10, 3, 200}},
    };
    for (const auto& c : cases) {
        MouseConfig record{};
        record.pointerPrecision = c.precision;
        record.pointerSpeed = c.speed;
        record.wheelPageScroll = c.pageScroll;
        record.wheelLines = c.wheelLines;
        record.doubleClickStep = c.doubleClickStep;
        const PointerValues v = PointerValuesOf(record);
        EXPECT_EQ(v.accelerationThreshold1, c.expected.accelerationThreshold1);
        EXPECT_EQ(v.accelerationThreshold2, c.expected.accelerationThreshold2);
        EXPECT_EQ(v.acceleration, c.expected.acceleration);
        EXPECT_EQ(v.speed, c.expected.speed) << int(c.speed);
        EXPECT_EQ(v.wheelLines, c.expected.wheelLines);
        EXPECT_EQ(v.doubleClickMs, c.expected.doubleClickMs);
    }
}

// Records every call and refuses the settings it is told to refuse.
class FakePointerSettings : public PointerSettings {
public:
    explicit FakePointerSettings(std::vector<std::string> refused) : refused_(std::move(refused)) {}
    bool SetMouseAcceleration(int t1, int t2, int a) override {
        return Take("acceleration " + std::to_string(t1) + " " + std::to_string(t2) + " " +
                    std::to_string(a));
    }
    bool SetMouseSpeed(int speed) override { return Take("speed " + std::to_string(speed)); }
    bool SetWheelScrollLines(std::uint32_t lines) override {
        return Take("wheel " + std::to_string(lines));
    }
    bool SetDoubleClickTime(int ms) override { return Take("double-click " + std::to_string(ms)); }

    std::vector<std::string> calls;

private:
    bool Take(std::string call) {
        const std::string kind = call.substr(0, call.find(' '));
        calls.push_back(std::move(call));
        return std::find(refused_.begin(), refused_.end(), kind) == refused_.end();
    }
    std::vector<std::string> refused_;
};

TEST(PointerSettingsTest, EverySettingIsTriedAndEachFailureHasItsLine) {
    MouseConfig record{};
    ResetToDefaults(record);
    DiagnosticCapture diagnostics;
    FakePointerSettings settings({"wheel", "acceleration"});
    EXPECT_EQ(ApplyPointerSettings(record, settings), 2);
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"acceleration 0 0 0", "speed 10", "wheel 3",
                                                        "double-click 550"}));
    EXPECT_EQ(diagnostics.Lines(),
              (std::vector<std::string>{"SETMOUSE failed.\n", "SETWHEELSCROLLLINES failed.\n"}));
}

}  // namespace
}  // namespace vorlak
