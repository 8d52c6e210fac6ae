// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
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
    std::string DesktopName() const override { return "Testdesk"; }
    PointerResult SetMouseAcceleration(int t1, int t2, int a) override {
        return Take("acceleration " + std::to_string(t1) + " " + std::to_string(t2) + " " +
                    std::to_string(a));
    }
    PointerResult SetMouseSpeed(int speed) override {
        return Take("speed " + std::to_string(speed));
    }
    PointerResult SetWheelScrollLines(std::uint32_t lines) override {
        return Take("wheel " + std::to_string(lines));
    }
    PointerResult SetDoubleClickTime(int ms) override {
        return Take("double-click " + std::to_string(ms));
    }

    std::vector<std::string> calls;

private:
    PointerResult Take(std::string call) {
        const std::string kind = call.substr(0, call.find(' '));
        calls.push_back(std::move(call));
        if (std::find(refused_.begin(), refused_.end(), kind) == refused_.end())
            return PointerResult::Taken();
        return PointerResult::Kept(PointerRefusal::Refused, kind + " refused");
    }
    std::vector<std::string> refused_;
};

TEST(PointerSettingsTest, EverySettingIsTriedAndEachFailureHasItsLine) {
    MouseConfig record{};
    ResetToDefaults(record);
    DiagnosticCapture diagnostics;
    FakePointerSettings settings({"wheel", "acceleration"});
    const PointerReport report = ApplyPointerSettings(record, settings);
    EXPECT_EQ(report.TakenCount(), 2);
    EXPECT_EQ(report.desktop, "Testdesk");
    EXPECT_EQ(report[PointerSetting::WheelLines].detail, "wheel refused");
    EXPECT_TRUE(report[PointerSetting::Speed].WasTaken());
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"acceleration 0 0 0", "speed 10", "wheel 3",
                                                        "double-click 550"}));
    EXPECT_EQ(diagnostics.Lines(),
              (std::vector<std::string>{"SETMOUSE failed.\n", "SETWHEELSCROLLLINES failed.\n"}));
}

// The dial's steps 1..11 give speeds 1, 2, 4 .. 20; libinput desktops take -1..1 with the
// default step (speed 10) at 0, as text with a point whatever the locale.
TEST(PointerSettingsTest, LibinputSpeedMapsOneToTwentyOntoMinusOneToOneWithTenAtZero) {
    const std::tuple<int, double, const char*> cases[] = {
        {1, -1.0, "-1.000"}, {4, -6.0 / 9, "-0.667"}, {10, 0.0, "0.000"}, {14, 0.4, "0.400"},
        {20, 1.0, "1.000"},  {0, -1.0, "-1.000"},     {40, 1.0, "1.000"}};
    for (const auto& [speed, expected, text] : cases) {
        EXPECT_DOUBLE_EQ(LibinputSpeedOf(speed), expected) << speed;
        EXPECT_EQ(LibinputSpeedText(speed), text) << speed;
    }
}

TEST(PointerSettingsTest, AnUnreachableDesktopKeepsEverySettingForItsReason) {
    MouseConfig record{};
    ResetToDefaults(record);
    UnreachablePointerSettings settings("Hyprland", PointerRefusal::NoBackend);
    const PointerReport report = ApplyPointerSettings(record, settings);
    EXPECT_EQ(report.TakenCount(), 0);
    for (const PointerResult& result : report.results)
        EXPECT_EQ(result.refusal, PointerRefusal::NoBackend);
}

}  // namespace
}  // namespace vorlak
