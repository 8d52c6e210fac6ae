// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/record_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "assign/function_catalogue.h"
#include "profiles/default_data_files.h"

namespace vorlak {
namespace {

using Kind = RecordFieldKind;

TEST(RecordCheckTest, TheDefaultsAndTheValuesOnlyTheMouseWritesAreInRange) {
    EXPECT_TRUE(FieldsOutOfRange(DefaultRecord()).empty());
    MouseConfig record = DefaultRecord();
    record.lightMode = 4;        // the fourth effect, which no panel offers
    record.pollingDivisor = 0;   // shown and rewritten as 500 Hz by its panel
    record.KeyFunction[0] = 15;  // the tilts and Shift DPI, only from stored profiles
    record.KeyFunction[1] = 16;
    record.KeyFunction[2] = 17;
    record.KeyFunction[13] = kFnDpi;  // the defaults' Shift entry: DPI with action 0
    record.KeyDpiAction[13] = 0;
    record.pointerPrecision = 77;  // any value other than 1 is off
    record.angleSnapLevel = 200;   // stored only
    record.dpiColor[3] = {1, 2, 3};
    EXPECT_TRUE(FieldsOutOfRange(record).empty());
}

struct FieldCase {
    const char* what;
    std::function<void(MouseConfig&)> set;
    RecordField expected;
};

// Each field brought to its nearest allowed value; the lower one of two as near.
TEST(RecordCheckTest, EachFieldGoesToItsNearestAllowedValue) {
    const std::vector<FieldCase> cases = {
        {"sensitivity 71",
         [](MouseConfig& r) { r.sensitivityX = 71; },
         {Kind::SensitivityX, 0, 71, 11}},
        {"sensitivity 0",
         [](MouseConfig& r) { r.sensitivityY = 0; },
         {Kind::SensitivityY, 0, 0, 1}},
        {"lighting 210", [](MouseConfig& r) { r.lightMode = 210; }, {Kind::LightMode, 0, 210, 4}},
        {"double click 255",
         [](MouseConfig& r) { r.doubleClickStep = 255; },
         {Kind::DoubleClickStep, 0, 255, 11}},
        {"polling 3: 2 and 4 as near",
         [](MouseConfig& r) { r.pollingDivisor = 3; },
         {Kind::PollingRate, 0, 3, 2}},
        {"polling 200",
         [](MouseConfig& r) { r.pollingDivisor = 200; },
         {Kind::PollingRate, 0, 200, 8}},
        {"DPI 55", [](MouseConfig& r) { r.dpiLevel[6] = 55; }, {Kind::DpiLevel, 6, 55, 54}},
        {"stage on 2", [](MouseConfig& r) { r.dpiEnabled[2] = 2; }, {Kind::DpiEnabled, 2, 2, 1}},
        {"wheel lines 0", [](MouseConfig& r) { r.wheelLines = 0; }, {Kind::WheelLines, 0, 0, 1}},
        {"speed 12", [](MouseConfig& r) { r.pointerSpeed = 12; }, {Kind::PointerSpeed, 0, 12, 11}},
        {"brightness 0",
         [](MouseConfig& r) { r.lightBrightness = 0; },
         {Kind::LightBrightness, 0, 0, 1}},
        {"profile slot 9", [](MouseConfig& r) { r.profileSlot = 9; }, {Kind::ProfileSlot, 0, 9, 5}},
        {"function 12: 11 and 13 as near",
         [](MouseConfig& r) { r.KeyFunction[4] = 12; },
         {Kind::EntryFunction, 4, 12, 11}},
        {"function 200",
         [](MouseConfig& r) { r.KeyFunction[8] = 200; },
         {Kind::EntryFunction, 8, 200, 18}},
        {"DPI action 13 on a DPI entry",
         [](MouseConfig& r) { r.KeyDpiAction[5] = 13; },
         {Kind::EntryDpiAction, 5, 13, 3}},
        {"multimedia usage 0xE3",
         [](MouseConfig& r) {
             r.KeyFunction[3] = kFnMultimedia;
             r.KeyMediaUsage[3] = 0xE3;
         },
         {Kind::EntryMediaKey, 3, 0xE3, 0xE2}},
        {"office key 0",
         [](MouseConfig& r) {
             r.KeyFunction[3] = kFnOffice;
             r.KeyOfficeKey[3] = 0;
         },
         {Kind::EntryOfficeKey, 3, 0, 0x04}},
        {"Windows shortcut 7",
         [](MouseConfig& r) {
             r.KeyFunction[9] = kFnWindowsShortcut;
             r.KeyWinShortcut[9] = 7;
         },
         {Kind::EntryWindowsShortcut, 9, 7, 6}},
        {"macro 12",
         [](MouseConfig& r) {
             r.KeyFunction[1] = kFnMacro;
             r.KeyMacroIndex[1] = 12;
         },
         {Kind::EntryMacro, 1, 12, 11}},
        {"play mode 3",
         [](MouseConfig& r) {
             r.KeyFunction[1] = kFnMacro;
             r.KeyMacroMode[1] = 3;
         },
         {Kind::EntryMacroMode, 1, 3, 2}},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.what);
        MouseConfig record = DefaultRecord();
        c.set(record);
        EXPECT_EQ(FieldsOutOfRange(record), std::vector<RecordField>{c.expected});
        EXPECT_EQ(BringIntoRange(record), std::vector<RecordField>{c.expected});
        EXPECT_TRUE(FieldsOutOfRange(record).empty());
    }
}

// An entry's parameter is judged by the function the entry holds: the bytes of other
// functions have no effect and are left alone; a repaired function's parameter is checked too.
TEST(RecordCheckTest, AnEntrysParameterIsCheckedForItsFunctionOnly) {
    MouseConfig record = DefaultRecord();
    record.KeyMacroIndex[0] = 200;  // entry 0 is a click: no effect
    record.KeyCode[0] = 0xFF;
    EXPECT_TRUE(FieldsOutOfRange(record).empty());
    record.KeyFunction[0] = kFnKeyboardKey;
    EXPECT_EQ(FieldsOutOfRange(record).size(), 1u);
    EXPECT_EQ(FieldsOutOfRange(record)[0].kind, Kind::EntryKey);
    record.KeyFunction[0] = 12;  // brought to 11, a macro: its index 200 goes to 11
    EXPECT_EQ(BringIntoRange(record), (std::vector<RecordField>{{Kind::EntryFunction, 0, 12, 11},
                                                                {Kind::EntryMacro, 0, 200, 11}}));
}

}  // namespace
}  // namespace vorlak
