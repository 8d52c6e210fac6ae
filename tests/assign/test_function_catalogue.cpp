// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/function_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vorlak {
namespace {

TEST(FunctionCatalogueTest, MirrorExchangesThreeAndFour) {
    const std::vector<std::pair<int, int>> cases = {{0, 7},   {1, 8},   {2, 9},  {3, 11},
                                                    {4, 10},  {5, 12},  {6, 13}, {7, -1},
                                                    {13, -1}, {-1, -1}, {99, -1}};
    for (const auto& [base, mirror] : cases) {
        EXPECT_EQ(MirrorOf(base), mirror) << base;
        if (mirror >= 0) {
            EXPECT_EQ(BaseOfMirror(mirror), base) << mirror;
        }
    }
    for (int notAMirror : {-1, 0, 6, 14})
        EXPECT_EQ(BaseOfMirror(notAMirror), -1) << notAMirror;
}

struct LabelCase {
    std::string_view language;
    std::function<void(MouseConfig&)> set;  // on entry 5
    std::string expected;
    std::string_view macroName = {};
};

void Code(MouseConfig& r, Byte code) {
    r.KeyFunction[5] = code;
}

const std::vector<LabelCase> kLabelCases = {
    {"EN", [](MouseConfig& r) { Code(r, 0); }, "Click"},
    {"DE", [](MouseConfig& r) { Code(r, 1); }, "Menü"},
    {"EN", [](MouseConfig& r) { Code(r, 2); }, "Scroll "},
    {"EN", [](MouseConfig& r) { Code(r, 3); }, "Forward"},
    {"EN", [](MouseConfig& r) { Code(r, 4); }, "Back"},
    {"CHT", [](MouseConfig& r) { Code(r, 5); }, "雙擊"},
    {"EN", [](MouseConfig& r) { Code(r, 13); }, "Deactivated"},
    {"DE", [](MouseConfig& r) { Code(r, 18); }, "Shift"},
    {"EN", [](MouseConfig& r) { Code(r, 15); }, "Left Tilt Scroll"},
    {"CHS", [](MouseConfig& r) { Code(r, 16); }, "右摇摆滚轮"},
    {"EN", [](MouseConfig& r) { Code(r, 17); }, ""},
    {"EN", [](MouseConfig& r) { Code(r, 12); }, ""},
    {"EN", [](MouseConfig& r) { Code(r, 200); }, ""},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 6);
         r.KeyDpiAction[5] = 1;
     },
     "DPI +"},
    {"DE",
     [](MouseConfig& r) {
         Code(r, 6);
         r.KeyDpiAction[5] = 3;
     },
     "DPI Schleife"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 6);
         r.KeyDpiAction[5] = 0;
     },
     ""},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 7);
         r.KeyMediaUsage[5] = 0x83;
     },
     "Open Media Player"},
    {"DE",
     [](MouseConfig& r) {
         Code(r, 7);
         r.KeyMediaUsage[5] = 0xE2;
     },
     "Stumm"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 7);
         r.KeyMediaUsage[5] = 0x01;
     },
     ""},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 8);
         r.KeyOfficeKey[5] = 0x06;
     },
     "Copy"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 8);
         r.KeyOfficeKey[5] = 0x04;
     },
     "Select All"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 9);
         r.KeyWinShortcut[5] = 6;
     },
     "Run"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 9);
         r.KeyWinShortcut[5] = 7;
     },
     ""},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 10);
         r.KeyCode[5] = 0x3E;
     },
     "Assign Keyboard Key-F5"},
    {"EN",
     [](MouseConfig& r) {
         Code(r, 10);
         r.KeyCode[5] = 0;
     },
     "Assign Keyboard Key-N/A"},
    {"DE", [](MouseConfig& r) { Code(r, 11); }, "Makro:Macro_1", "Macro_1"},
};

TEST(FunctionCatalogueTest, LabelOfEachFunction) {
    for (const auto& c : kLabelCases) {
        SCOPED_TRACE(c.expected);
        MouseConfig record{};
        ResetToDefaults(record);
        c.set(record);
        const UiTextTable text = FillTextTable(c.language);
        EXPECT_EQ(FunctionLabel(record, 5, text, c.language, c.macroName), c.expected);
    }
}

TEST(FunctionCatalogueTest, LabelOfAnEntryOutsideTheRecordIsEmpty) {
    MouseConfig record{};
    const UiTextTable text = FillTextTable("EN");
    EXPECT_EQ(FunctionLabel(record, -1, text, "EN"), "");
    EXPECT_EQ(FunctionLabel(record, 14, text, "EN"), "");
}

}  // namespace
}  // namespace vorlak
