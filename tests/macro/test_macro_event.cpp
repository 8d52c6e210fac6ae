// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_event.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace vorlak {
namespace {

struct ClassifyCase {
    std::string text;
    EventKind kind;
    std::string keyName;
    int delay;
};

TEST(ClassifyEvent, FollowsPressReleaseDelayOrder) {
    const std::vector<ClassifyCase> cases = {
        {"A   Dn", EventKind::kPress, "A", 0},
        {"M-Button   Up", EventKind::kRelease, "M-Button", 0},
        {"   Dn", EventKind::kPress, "", 0},
        {"   Up", EventKind::kRelease, "", 0},
        {"50 ms", EventKind::kDelay, "", 50},
        {"  -7 ms", EventKind::kDelay, "", -7},
        {"ms", EventKind::kDelay, "", 0},
        {"abc ms", EventKind::kDelay, "", 0},
        // A key name containing "ms" is still a key event.
        {"Programs   Dn", EventKind::kPress, "Programs", 0},
        {"5 ms   Up", EventKind::kRelease, "5 ms", 0},
        // Press wins over release; every occurrence of the suffix is removed.
        {"X   Up   Dn", EventKind::kPress, "X   Up", 0},
        {"A   DnB   Dn", EventKind::kPress, "AB", 0},
        {"A  Dn", EventKind::kIgnored, "", 0},
        {"", EventKind::kIgnored, "", 0},
        {"50 MS", EventKind::kIgnored, "", 0},
    };
    for (const ClassifyCase& c : cases) {
        SCOPED_TRACE(c.text);
        const MacroEvent event = ClassifyEvent(c.text);
        EXPECT_EQ(event.kind, c.kind);
        EXPECT_EQ(event.keyName, c.keyName);
        EXPECT_EQ(event.delay, c.delay);
    }
}

TEST(ParseLeadingInt, ReadsTheLeadingNumberAndSaturates) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"95", 95},
        {"95 ms", 95},
        {"  \t42x", 42},
        {"+8", 8},
        {"-12", -12},
        {"007", 7},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+ 5", 0},
        {"x5", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseLeadingInt(text), value);
    }
}

TEST(EventTexts, MakeTextsThatClassifyBack) {
    EXPECT_EQ(PressText("A"), "A   Dn");
    EXPECT_EQ(ReleaseText("L-Button"), "L-Button   Up");
    EXPECT_EQ(DelayText(50), "50 ms");
    EXPECT_EQ(ClassifyEvent(DelayText(1234)).delay, 1234);
    EXPECT_TRUE(IsDelayText("95 ms"));
    EXPECT_FALSE(IsDelayText(PressText("ms")));
}

}  // namespace
}  // namespace vorlak
