// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/key_matrix.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "record/function_codes.h"

namespace vorlak {
namespace {

using Bytes = std::array<Byte, kMatrixSize>;

MouseConfig DefaultRecord() {
    MouseConfig record{};
    ResetToDefaults(record);
    return record;
}

TEST(KeyMatrixTest, DefaultRecordMatrices) {
    // Base entries 0..6 carry click, menu, scroll, back, forward, DPI + (action 1) and
    // DPI - (action 2); entries 3 and 4 exchange slots.
    const Bytes base = {
        0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00,  // slots 0, 1
        0x01, 0x00, 0xF2, 0x00, 0x01, 0x00, 0xF4, 0x00,  // slot 2, slot 3 = entry 4 (forward)
        0x01, 0x00, 0xF3, 0x00, 0x07, 0x00, 0x01, 0x00,  // slot 4 = entry 3 (back), slot 5
        0x07, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,  // slot 6, slot 7
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 8, 9
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 10, 11
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 12, 13
        0x01, 0x00, 0xF7, 0x00, 0x01, 0x00, 0xF8, 0x00,  // slots 14, 15
    };
    // Shift entries 7..13 carry the same codes in slot order; entry 13 has DPI action 0.
    const Bytes shift = {
        0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00,  // slots 0, 1
        0x01, 0x00, 0xF2, 0x00, 0x01, 0x00, 0xF3, 0x00,  // slot 2, slot 3 = entry 10 (back)
        0x01, 0x00, 0xF4, 0x00, 0x07, 0x00, 0x01, 0x00,  // slot 4 = entry 11 (forward), slot 5
        0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slot 6, slot 7
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 8, 9
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 10, 11
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // slots 12, 13
        0x01, 0x00, 0xF7, 0x00, 0x01, 0x00, 0xF8, 0x00,  // slots 14, 15
    };
    const KeyMatrices m = BuildKeyMatrices(DefaultRecord());
    EXPECT_EQ(m.base, base);
    EXPECT_EQ(m.shift, shift);
}

KeyEntry SlotOf(const Bytes& matrix, int slot) {
    KeyEntry entry;
    std::copy_n(matrix.begin() + slot * 4, 4, entry.begin());
    return entry;
}

TEST(KeyMatrixTest, OnlyBaseEntriesThreeAndFourExchangeSlots) {
    // Every entry gets a key of its own number so that its slot shows where it went.
    MouseConfig record{};
    for (int e = 0; e < kEntryCount; ++e) {
        record.KeyFunction[static_cast<std::size_t>(e)] = kFnKeyboardKey;
        record.KeyCode[static_cast<std::size_t>(e)] = static_cast<Byte>(0x10 + e);
    }
    const KeyMatrices m = BuildKeyMatrices(record);
    const std::array<int, 7> baseEntryOfSlot = {0, 1, 2, 4, 3, 5, 6};
    for (int slot = 0; slot < 7; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(SlotOf(m.base, slot), (KeyEntry{0, 0, Byte(0x10 + baseEntryOfSlot[slot]), 0}));
        EXPECT_EQ(SlotOf(m.shift, slot), (KeyEntry{0, 0, Byte(0x10 + 7 + slot), 0}));
    }
}

struct EncodeCase {
    std::string name;
    std::function<void(MouseConfig&)> set;  // on entry 2 of a record with all DPI stages on
    KeyEntry expected;
};

const std::vector<EncodeCase> kEncodeCases = {
    {"click", [](MouseConfig& r) { r.KeyFunction[2] = 0; }, {0x01, 0x00, 0xF0, 0x00}},
    {"menu", [](MouseConfig& r) { r.KeyFunction[2] = 1; }, {0x01, 0x00, 0xF1, 0x00}},
    {"scroll", [](MouseConfig& r) { r.KeyFunction[2] = 2; }, {0x01, 0x00, 0xF2, 0x00}},
    {"forward", [](MouseConfig& r) { r.KeyFunction[2] = 3; }, {0x01, 0x00, 0xF4, 0x00}},
    {"back", [](MouseConfig& r) { r.KeyFunction[2] = 4; }, {0x01, 0x00, 0xF3, 0x00}},
    {"double click", [](MouseConfig& r) { r.KeyFunction[2] = 5; }, {0x0A, 0xF0, 0x1E, 0x02}},
    {"DPI loop",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 6;
         r.KeyDpiAction[2] = 3;
     },
     {0x07, 0x00, 0x03, 0x00}},
    {"DPI action sent unchanged",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 6;
         r.KeyDpiAction[2] = 13;
     },
     {0x07, 0x00, 0x0D, 0x00}},
    {"DPI with stages 1 to 6 off and stage 7 on",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 6;
         r.KeyDpiAction[2] = 1;
         r.dpiEnabled = {0, 0, 0, 0, 0, 0, 1};
     },
     {0x00, 0x00, 0x00, 0x00}},
    {"DPI with only stage 6 on",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 6;
         r.KeyDpiAction[2] = 2;
         r.dpiEnabled = {0, 0, 0, 0, 0, 1, 0};
     },
     {0x07, 0x00, 0x02, 0x00}},
    {"Open Media Player",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 7;
         r.KeyMediaUsage[2] = 0x83;
     },
     {0x03, 0x00, 0x83, 0x01}},
    {"Mute",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 7;
         r.KeyMediaUsage[2] = 0xE2;
     },
     {0x03, 0x00, 0xE2, 0x00}},
    {"office Copy",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 8;
         r.KeyOfficeKey[2] = 0x06;
     },
     {0x00, 0x00, 0xE0, 0x06}},
    {"keyboard key F5",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 10;
         r.KeyCode[2] = 0x3E;
     },
     {0x00, 0x00, 0x3E, 0x00}},
    {"macro 0 mode 0",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 11;
         r.KeyMacroIndex[2] = 0;
         r.KeyMacroMode[2] = 0;
     },
     {0x09, 0x00, 0x01, 0x00}},
    {"macro 11 mode 2",
     [](MouseConfig& r) {
         r.KeyFunction[2] = 11;
         r.KeyMacroIndex[2] = 11;
         r.KeyMacroMode[2] = 2;
     },
     {0x09, 0x02, 0x0C, 0x00}},
    {"deactivated", [](MouseConfig& r) { r.KeyFunction[2] = 13; }, {0x00, 0x00, 0x00, 0x00}},
    {"left tilt", [](MouseConfig& r) { r.KeyFunction[2] = 15; }, {0x00, 0x00, 0x00, 0x00}},
    {"right tilt", [](MouseConfig& r) { r.KeyFunction[2] = 16; }, {0x00, 0x00, 0x00, 0x00}},
    {"Shift DPI", [](MouseConfig& r) { r.KeyFunction[2] = 17; }, {0x07, 0x00, 0x04, 0x04}},
    {"Shift", [](MouseConfig& r) { r.KeyFunction[2] = 18; }, {0x08, 0x00, 0x02, 0x00}},
    {"unused 12", [](MouseConfig& r) { r.KeyFunction[2] = 12; }, {0x00, 0x00, 0x00, 0x00}},
    {"unused 14", [](MouseConfig& r) { r.KeyFunction[2] = 14; }, {0x00, 0x00, 0x00, 0x00}},
    {"undefined 19", [](MouseConfig& r) { r.KeyFunction[2] = 19; }, {0x00, 0x00, 0x00, 0x00}},
    {"undefined 255", [](MouseConfig& r) { r.KeyFunction[2] = 255; }, {0x00, 0x00, 0x00, 0x00}},
};

TEST(KeyMatrixTest, EncodeEachFunction) {
    for (const auto& c : kEncodeCases) {
        SCOPED_TRACE(c.name);
        MouseConfig record = DefaultRecord();
        c.set(record);
        EXPECT_EQ(EncodeKeyEntry(record, 2), c.expected);
    }
}

TEST(KeyMatrixTest, WindowsShortcuts) {
    const std::vector<KeyEntry> expected = {
        {0x03, 0x00, 0x94, 0x01}, {0x03, 0x00, 0x23, 0x02}, {0x03, 0x00, 0x21, 0x02},
        {0x00, 0x04, 0x2C, 0x1B}, {0x00, 0x04, 0x2C, 0x11}, {0x00, 0x00, 0xE3, 0x07},
        {0x00, 0x00, 0xE3, 0x15}, {0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00}};
    const std::vector<Byte> index = {0, 1, 2, 3, 4, 5, 6, 7, 255};
    MouseConfig record = DefaultRecord();
    record.KeyFunction[9] = kFnWindowsShortcut;
    for (std::size_t i = 0; i < index.size(); ++i) {
        record.KeyWinShortcut[9] = index[i];
        EXPECT_EQ(EncodeKeyEntry(record, 9), expected[i]) << int(index[i]);
    }
}

TEST(KeyMatrixTest, EntryOutsideTheRecordIsZero) {
    const MouseConfig record = DefaultRecord();
    EXPECT_EQ(EncodeKeyEntry(record, -1), KeyEntry{});
    EXPECT_EQ(EncodeKeyEntry(record, 14), KeyEntry{});
}

}  // namespace
}  // namespace vorlak
