// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/mouse_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vorlak {
namespace {

// Bytes 0..131 of a zero record after ResetToDefaults, written out from the record layout.
// Everything from 132 to 1887 stays 0.
// clang-format off
const std::vector<Byte> kDefaultHead = {
    0x00, 0x01, 0x01, 0x01, 0x01, 0x02, 0x02,              // slot, reserved, polling, reserved
    0x04, 0x09, 0x13, 0x1D, 0x27, 0x36, 0x36,              // dpiLevel
    0x00,                                                  // kept
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,              // dpiEnabled
    0x00,                                                  // kept
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00,  // colours 1..3
    0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF,  // colours 4..6
    0xFF, 0x00, 0xFF,                                      // colour 7
    0x00, 0x00, 0x00,                                      // reserved
    0x01, 0x02, 0x02, 0x04, 0x04,                          // lighting
    0xFF, 0x00, 0x06, 0x03, 0x06, 0x00, 0x00, 0x06,        // pointer, angle snap, reserved
    0x05, 0x05,                                            // sensitivity
    0x00, 0x01, 0x02, 0x04, 0x03, 0x06, 0x06, 0x00, 0x01, 0x02, 0x04, 0x03, 0x06, 0x06,  // KeyFunction
    0x0D, 0x0D, 0x0D, 0x0D, 0x02, 0x01, 0x02, 0x0D, 0x0D, 0x0D, 0x0D, 0x02, 0x01, 0x00,  // KeyDpiAction
    0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00,  // reserved
    // 104..131: multimedia and Windows shortcut parameters
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};
// clang-format on

TEST(MouseConfigTest, DefaultsOfAZeroRecordByteForByte) {
    MouseConfig record{};
    ResetToDefaults(record);
    auto bytes = record.Bytes();
    ASSERT_EQ(kDefaultHead.size(), 132u);
    EXPECT_TRUE(std::equal(kDefaultHead.begin(), kDefaultHead.end(), bytes.begin()));
    EXPECT_TRUE(std::all_of(bytes.begin() + 132, bytes.end(), [](Byte b) { return b == 0; }));
}

TEST(MouseConfigTest, DefaultsKeepSlotReservedBytesAndMacros) {
    MouseConfig record;
    std::memset(&record, 0xFF, sizeof record);
    ResetToDefaults(record);
    auto bytes = record.Bytes();
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[14], 0xFF);
    EXPECT_EQ(bytes[22], 0xFF);
    EXPECT_EQ(bytes[52], 255);
    EXPECT_EQ(bytes[59], 6);
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 104, bytes.begin() + 328, [](Byte b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(bytes.begin() + 328, bytes.end(), [](Byte b) { return b == 0xFF; }));
    EXPECT_EQ(record.KeyDpiAction[5], 1);
    EXPECT_EQ(record.KeyDpiAction[6], 2);
    EXPECT_EQ(record.KeyDpiAction[12], 1);
    EXPECT_EQ(record.KeyDpiAction[13], 0);
}

TEST(MouseConfigTest, NamedFieldsSitAtTheirOffsets) {
    struct Field {
        const char* name;
        std::size_t offset;
        std::size_t expected;
    };
    const Field fields[] = {
        {"pollingDivisor", offsetof(MouseConfig, pollingDivisor), 5},
        {"dpiLevel", offsetof(MouseConfig, dpiLevel), 7},
        {"dpiEnabled", offsetof(MouseConfig, dpiEnabled), 15},
        {"dpiColor", offsetof(MouseConfig, dpiColor), 23},
        {"lightMode", offsetof(MouseConfig, lightMode), 47},
        {"pointerPrecision", offsetof(MouseConfig, pointerPrecision), 52},
        {"doubleClickStep", offsetof(MouseConfig, doubleClickStep), 56},
        {"sensitivityX", offsetof(MouseConfig, sensitivityX), 60},
        {"KeyDpiAction", offsetof(MouseConfig, KeyDpiAction), 76},
        {"KeyMediaUsage", offsetof(MouseConfig, KeyMediaUsage), 104},
        {"KeyWinShortcut", offsetof(MouseConfig, KeyWinShortcut), 118},
        {"KeyOfficeKey", offsetof(MouseConfig, KeyOfficeKey), 174},
        {"KeyCode", offsetof(MouseConfig, KeyCode), 188},
        {"KeyMacroIndex", offsetof(MouseConfig, KeyMacroIndex), 300},
        {"DeviceImage.functionOption2", offsetof(DeviceImage, functionOption2), 5},
        {"DeviceImage.reserved20", offsetof(DeviceImage, reserved20), 20},
        {"DeviceImage.keyMatrixShift", offsetof(DeviceImage, keyMatrixShift), 852},
    };
    for (const auto& f : fields)
        EXPECT_EQ(f.offset, f.expected) << f.name;
}

TEST(MouseConfigTest, DpiLabels) {
    const std::pair<Byte, const char*> cases[] = {
        {0, "100"},   {4, "500"},   {49, "5000"}, {50, "5200"}, {51, "5400"},
        {53, "5800"}, {54, "6000"}, {55, ""},     {200, ""},    {255, ""},
    };
    MouseConfig record{};
    for (auto [code, text] : cases) {
        record.dpiLevel[3] = code;
        EXPECT_EQ(FormatDpiLabel(record, 3), text) << int(code);
    }
    EXPECT_EQ(FormatDpiLabel(record, 7), "");
    EXPECT_EQ(FormatDpiLabel(record, -1), "");
}

TEST(MouseConfigTest, PollingRates) {
    EXPECT_EQ(PollingRateHz(1), 1000);
    EXPECT_EQ(PollingRateHz(2), 500);
    EXPECT_EQ(PollingRateHz(4), 250);
    EXPECT_EQ(PollingRateHz(8), 125);
    EXPECT_EQ(PollingRateHz(0), 0);
}

TEST(MouseConfigTest, ColourValueIsRedGreenBlueLowToHigh) {
    MouseConfig record{};
    record.dpiColor[2] = {0x12, 0x34, 0x56};
    EXPECT_EQ(DpiColorValue(record, 2), 0x563412u);
    SetDpiColorValue(record, 5, 0xABCDEFu);
    EXPECT_EQ(record.dpiColor[5][0], 0xEF);
    EXPECT_EQ(record.dpiColor[5][1], 0xCD);
    EXPECT_EQ(record.dpiColor[5][2], 0xAB);
}

TEST(ConfigStoreTest, SnapshotRevertAndDeviceImageClearing) {
    ConfigStore store;
    store.currentConfig.sensitivityX = 9;
    TakeSnapshot(store);
    store.currentConfig.sensitivityX = 3;
    RevertToSnapshot(store);
    EXPECT_EQ(store.currentConfig.sensitivityX, 9);

    store.currentConfig.profileSlot = 4;
    std::memset(&store.deviceImage, 0x5A, sizeof store.deviceImage);
    ClearDeviceImage(store);
    EXPECT_EQ(store.currentConfig.profileSlot, 0);
    const auto* image = reinterpret_cast<const Byte*>(&store.deviceImage);
    EXPECT_TRUE(std::all_of(image, image + sizeof(DeviceImage), [](Byte b) { return b == 0; }));
}

}  // namespace
}  // namespace vorlak
