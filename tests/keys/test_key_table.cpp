// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vorlak {
namespace {

struct NameCase {
    std::string_view name;
    int usage;
    int virtualKey;  // -1: the name has no virtual key
};

// The first and last row of every run, the rows around the gaps and the odd spellings.
const std::vector<NameCase> kRows = {
    {"A", 4, 65},
    {"Z", 29, 90},
    {"1", 30, 49},
    {"9", 38, 57},
    {"0", 39, 48},
    {"Enter", 40, 13},
    {"\\", 49, 220},
    {"Eurpo(Note 2)", 50, -1},
    {"`", 53, 192},
    {"Caps Lock", 57, 20},
    {"F1", 58, 112},
    {"F12", 69, 123},
    {"Prnt Scrn", 70, 44},
    {"Num Lock", 83, 144},
    {"Num /", 84, 111},
    {"Num Enter", 88, 108},
    {"Num 1", 89, 97},
    {"Num 9", 97, 105},
    {"Num 0", 98, 96},
    {"Num Del", 99, 110},
    {"Application", 101, -1},
    {"Ctrl", 224, 162},
    {"Shift", 225, 160},
    {"Left Windows", 227, 91},
    {"Right Windows", 231, 92},
    {"L-Button", 240, 241},
    {"R-Button", 241, 242},
    {"M-Button", 242, 243},
};

TEST(KeyTableTest, RowsOfEveryRun) {
    for (const auto& c : kRows) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(KeyNameToUsage(c.name), c.usage);
        EXPECT_EQ(UsageToKeyName(static_cast<std::uint8_t>(c.usage)), c.name);
        if (c.virtualKey >= 0) {
            EXPECT_EQ(VirtualKeyToKeyName(c.virtualKey), c.name);
        }
    }
}

TEST(KeyTableTest, NamesMatchExactly) {
    EXPECT_EQ(KeyNameToUsage("a"), 0);
    EXPECT_EQ(KeyNameToUsage("A"), 4);
    EXPECT_EQ(KeyNameToUsage("enter"), 0);
    EXPECT_EQ(KeyNameToUsage("Num 1 "), 0);
    EXPECT_EQ(KeyNameToUsage(""), 0);
}

TEST(KeyTableTest, UsagesWithoutName) {
    for (int usage : {0, 100, 102, 223, 232, 243, 255}) {
        EXPECT_EQ(UsageToKeyName(static_cast<std::uint8_t>(usage)), "N/A") << usage;
    }
}

TEST(KeyTableTest, EveryNameRoundTrips) {
    ASSERT_EQ(KeyTable().size(), 108u);
    std::set<std::string_view> names;
    for (const KeyRow& row : KeyTable()) {
        names.insert(row.name);
        EXPECT_EQ(UsageToKeyName(KeyNameToUsage(row.name)), row.name);
    }
    EXPECT_EQ(names.size(), 108u);
}

TEST(KeyTableTest, VirtualKeyNames) {
    EXPECT_EQ(VirtualKeyToKeyName(16), "");
    EXPECT_EQ(VirtualKeyToKeyName(17), "");
    EXPECT_EQ(VirtualKeyToKeyName(18), "");
    EXPECT_EQ(VirtualKeyToKeyName(160), "Shift");
    EXPECT_EQ(VirtualKeyToKeyName(-1), "");
    EXPECT_EQ(VirtualKeyToKeyName(1000), "");
    const std::vector<std::pair<int, std::string_view>> onlyVirtual = {
        {41, "Select"}, {43, "Execute"},   {47, "Help"},
        {93, "App"},    {244, "Button 4"}, {245, "Button 5"}};
    for (const auto& [vk, name] : onlyVirtual) {
        EXPECT_EQ(VirtualKeyToKeyName(vk), name);
        EXPECT_EQ(KeyNameToUsage(name), 0) << name;
    }
    int named = 0;
    std::set<std::string_view> names;
    for (int vk = 0; vk < 256; ++vk) {
        std::string_view name = VirtualKeyToKeyName(vk);
        if (name.empty())
            continue;
        ++named;
        names.insert(name);
    }
    EXPECT_EQ(named, 112);
    EXPECT_EQ(names.size(), 112u);
}

TEST(KeyTableTest, MacroVariant) {
    EXPECT_EQ(KeyNameToUsage("App"), 0);
    EXPECT_EQ(MacroKeyNameToUsage("App"), 101);
    EXPECT_EQ(MacroKeyNameToUsage("Application"), 0);
    EXPECT_EQ(MacroKeyNameToUsage("Left GUI"), 227);
    EXPECT_EQ(KeyNameToUsage("Left GUI"), 0);
    EXPECT_EQ(MacroKeyNameToUsage("Unknown"), 0);
    for (const KeyRow& row : KeyTable()) {
        if (row.name == "Application")
            continue;
        EXPECT_EQ(MacroKeyNameToUsage(row.name), row.usage) << row.name;
    }
}

}  // namespace
}  // namespace vorlak
