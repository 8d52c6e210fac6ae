// SPDX-License-Identifier: GPL-3.0-or-later
// The panels' click rules without the panels: the pointer dials' angle and ring, the polling
// dial's quarters, and the wheel panel's line count.
#include <gtest/gtest.h>

#include "panels/dial_rule.h"
#include "panels/polling_ring.h"
#include "panels/wheel_lines.h"

namespace vorlak {
namespace {

TEST(DialRuleTest, AnglesGiveEighteenDegreeSectorsAndTheLastFiveDegreesStepOne) {
    const std::pair<double, int> cases[] = {
        {0, 12} /* limited to 11 by the click */,
        {1, 11},
        {18, 11},
        {18.001, 10},
        {90, 7},
        {144, 4},
        {144.01, 3},
        {162, 3},
        {162.01, 2},
        {174.9, 2},
        {185, 1},
    };
    for (const auto& [angle, step] : cases)
        EXPECT_EQ(DialStepOfAngle(angle), step) << angle;
    EXPECT_LT(DialAngle(-57, -5), 175);  // 174.99: step 2
    EXPECT_EQ(DialAngle(-60, -5), 185);  // 175.24 counts as 185
    EXPECT_EQ(DialAngle(-50, 0), 185);   // 180 on the left horizontal
    EXPECT_EQ(DialAngle(0, -50), 90);
    EXPECT_EQ(DialAngle(50, 0), 0);
    // The factor is slightly above 180 / pi.
    EXPECT_GT(DialAngle(40, -40), 45.0);
    EXPECT_LT(DialAngle(40, -40), 45.000001);
}

TEST(DialRuleTest, ClicksOnAndOffTheRing) {
    struct Case {
        int dx, dy, stored;
        bool ignored, onRing;
        int step;
    };
    const Case cases[] = {
        {50, 0, 6, false, true, 11},    // right end, on the centre line: step 11
        {-50, 0, 6, false, true, 1},    // left end: step 1
        {0, -50, 6, false, true, 7},    // straight up: 90 degrees
        {60, -19, 6, false, true, 11},  // 17.6 degrees
        {60, -20, 6, false, true, 10},  // 18.4 degrees
        {-60, -20, 6, false, true, 3},  // 161.6 degrees
        {-60, -19, 6, false, true, 2},  // 162.4 degrees
        {-57, -5, 6, false, true, 2},   // 174.99 degrees
        {-60, -5, 6, false, true, 1},   // 175.2 degrees
        {0, -43, 6, false, true, 7},    // just inside the inner edge
        {0, -42, 6, false, false, 6},   // just outside it: the stored step stays
        {0, -71, 6, false, true, 7},    // just inside the outer edge
        {0, -72, 6, false, false, 6},    {0, -42, 0, false, false, 1},  // a stored 0 is repaired
        {0, -42, 12, false, false, 11},                                 // and a stored 12
        {0, -80, 255, false, false, 11}, {0, 1, 6, true, false, 0},     // below the centre: ignored
        {-50, 30, 0, true, false, 0},                                   // even with a stored 0
    };
    for (const Case& c : cases) {
        const DialClick click = DialClickAt(c.dx, c.dy, c.stored);
        EXPECT_EQ(click.ignored, c.ignored) << c.dx << "," << c.dy;
        EXPECT_EQ(click.onRing, c.onRing) << c.dx << "," << c.dy;
        EXPECT_EQ(click.step, c.step) << c.dx << "," << c.dy;
    }
}

TEST(PollingRingTest, QuartersOfTheRing) {
    struct Case {
        int dx, dy;
        std::optional<int> code;
    };
    const Case cases[] = {
        {21, -28, 1},             // distance 35 exactly: on the ring
        {21, -27, std::nullopt},  // 34.2: the centre hole
        {45, -45, 1},             // 63.6
        {46, -46, std::nullopt},  // 65.1: outside
        {38, 51, 2},
        {-38, 51, 4},
        {-38, -51, 8},
        {-21, 28, 4},
        {21, 28, 2},
        {-21, -28, 8},
        {50, 0, std::nullopt},
        {-50, 0, std::nullopt},  // on the axes
        {0, 50, std::nullopt},
        {0, -64, std::nullopt},
        {0, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PollingCodeAt(c.dx, c.dy), c.code) << c.dx << "," << c.dy;
}

TEST(PollingRingTest, PictureNamesAreTheThousandOverTheCode) {
    EXPECT_EQ(PollingRateImage(1), "Skins\\/USBReportRate/1000HZ.png");
    EXPECT_EQ(PollingRateImage(8), "Skins\\/USBReportRate/125HZ.png");
    EXPECT_EQ(PollingRateImage(3), "Skins\\/USBReportRate/333HZ.png");  // no such picture
    EXPECT_EQ(PollingRateImage(255), "Skins\\/USBReportRate/3HZ.png");
}

TEST(WheelLinesTest, FieldTextAndArrows) {
    const std::pair<const char*, std::optional<int>> texts[] = {
        {"0", std::nullopt},
        {"101", std::nullopt},
        {"100", 100},
        {"7", 7},
        {"007", 7},
        {"", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12a", 12},
    };
    for (const auto& [text, lines] : texts)
        EXPECT_EQ(WheelLinesFromText(text), lines) << '"' << text << '"';
    const std::tuple<int, int, int> arrows[] = {
        // stored, up, down
        {3, 4, 2}, {1, 2, 1}, {100, 100, 99}, {0, 1, 255}, {101, 100, 100}, {255, 0, 254},
    };
    for (const auto& [stored, up, down] : arrows) {
        EXPECT_EQ(WheelLinesUp(stored), up) << stored;
        EXPECT_EQ(WheelLinesDown(stored), down) << stored;
    }
}

}  // namespace
}  // namespace vorlak
