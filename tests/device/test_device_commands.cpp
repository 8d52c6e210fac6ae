// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_commands.h"

#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <string>
#include <vector>

#include "assign/key_matrix.h"
#include "common/diagnostics.h"
#include "device/simulated_mouse.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using std::chrono::milliseconds;

std::string Zeros(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += " 00";
    return text;
}

std::array<std::string, kEntryCount> Labels() {
    std::array<std::string, kEntryCount> labels;
    for (int i = 0; i < kEntryCount; ++i)
        labels[static_cast<std::size_t>(i)] = "Label " + std::to_string(i);
    return labels;
}

// The simulated mouse behind a transport whose transfers and pauses are traced.
class DeviceCommandsTest : public ::testing::Test {
protected:
    DeviceCommandsTest() {
        transport.SetTrace([this](const Transfer& t) {
            trace.push_back(FormatTransfer(t));
            if (t.kind == Transfer::Kind::Pause)
                paused += t.pause;
        });
        EXPECT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
        folder.Write("config0.bin", "old");
        folder.Write("str0.ini", "[Skins]\nLan=EN\n");
        ResetToDefaults(store.currentConfig);
    }

    void Apply(const ApplyProgress& progress = {}) {
        commands.ApplyToMouse(store.currentConfig, files, "Setting-EN", Labels(), progress);
    }

    SimulatedMouse mouse;
    ConfigStore store;
    std::vector<milliseconds> sleeps;
    HidTransport transport{mouse, store, [this](milliseconds ms) { sleeps.push_back(ms); }};
    DeviceCommands commands{transport, store};
    TestFolder folder;
    ProfileFiles files{DataFolder(folder.Root()), store};
    std::vector<std::string> trace;
    milliseconds paused{0};
    DiagnosticCapture diagnostics;
};

TEST_F(DeviceCommandsTest, ApplyOfTheDefaultsRecord) {
    store.currentConfig.profileSlot = 4;
    Apply();

    const std::string base =
        " 01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F4 00 01 00 F3 00 07 00 01 00 07 00 02 00" +
        Zeros(4);
    const std::string shift =
        " 01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F3 00 01 00 F4 00 07 00 01 00 07 00 00 00" +
        Zeros(4);
    const std::string fixedSlots = Zeros(24) + " 01 00 F7 00 01 00 F8 00";
    std::vector<std::string> expected = {
        "set-feature 00 01 02 00 00 00 00 00 FC",
        "pause 50",
        "set-feature 00 0E 64 64 00 00 00 00 29",
        "pause 50",
        "set-feature 00 11 06 08 00 00 00 00 E0",
        "output 00 04 09 13 1D 27 5D 00 00" + Zeros(24),
        "pause 100",
        "pause 50",
        "set-feature 00 10 01 18 00 00 00 00 D6",
        "output 00 FF 00 00 00 00 FF 00 FF 00 FF FF 00 00 FF FF FF 00 FF FF 00 FF 00 00 00" +
            Zeros(8),
        "pause 100",
        "pause 50",
        "set-feature 00 12 00 40 00 00 00 00 AD",
        "output 00" + base,
        "pause 100",
        "output 00" + fixedSlots,
        "pause 100",
        "pause 50",
        "pause 50",
        "set-feature 00 12 03 40 00 00 00 00 AA",
        "output 00" + shift,
        "pause 100",
        "output 00" + fixedSlots,
        "pause 100",
        "pause 50",
    };
    const char* macroHeaders[] = {
        "01 80 00 00 00 00 6B", "02 80 00 00 00 00 6A", "03 80 00 00 00 00 69",
        "04 80 00 00 00 00 68", "05 80 00 00 00 00 67", "06 80 00 00 00 00 66",
        "07 80 00 00 00 00 65", "08 80 00 00 00 00 64", "09 80 00 00 00 00 63",
        "0A 80 00 00 00 00 62", "0B 80 00 00 00 00 61", "0C 80 00 00 00 00 60"};
    for (const char* header : macroHeaders) {
        expected.push_back(std::string("set-feature 00 13 ") + header);
        for (int k = 0; k < 4; ++k) {
            expected.push_back("output 00" + Zeros(32));
            expected.push_back("pause 100");
        }
        expected.push_back("pause 50");
    }
    expected.push_back("set-feature 00 0D 01 02 02 00 00 00 ED");
    EXPECT_EQ(trace, expected);

    EXPECT_EQ(paused, milliseconds(6350));
    EXPECT_EQ(std::accumulate(sleeps.begin(), sleeps.end(), milliseconds(0)), milliseconds(6350));
    EXPECT_EQ(store.currentConfig.profileSlot, 0);
    EXPECT_EQ(store.deviceImage.pollingDivisorSent, 2);
    EXPECT_EQ(folder.Read("config0.bin"), RecordFileBytes(store.currentConfig));
    IniFile settings = IniFile::Open(folder.Path("str0.ini"));
    EXPECT_EQ(settings.Get("Setting-EN", "Item1"), "Label 0");
    EXPECT_EQ(settings.Get("Setting-EN", "Item14"), "Label 13");
    EXPECT_EQ(mouse.Memory().rejectedFrames, 0);
}

MouseConfig EditedRecord() {
    MouseConfig record{};
    ResetToDefaults(record);
    record.pollingDivisor = 8;
    record.sensitivityX = 11;
    record.sensitivityY = 1;
    record.dpiLevel[2] = 50;
    record.dpiEnabled[3] = 0;
    record.dpiColor[4] = {1, 2, 3};
    record.KeyFunction[8] = 0;
    record.lightMode = 3;
    record.lightNeonRate = 6;
    for (int n = 0; n < kMacroSlots; ++n)
        record.macroSlot[static_cast<std::size_t>(n)].fill(static_cast<Byte>(0x10 + n));
    return record;
}

TEST_F(DeviceCommandsTest, TheMouseHoldsTheAppliedRecord) {
    store.currentConfig = EditedRecord();
    Apply();
    const MouseConfig& record = store.currentConfig;
    SimulatedMouseMemory memory = mouse.Memory();
    EXPECT_EQ(memory.pollingDivisor, 8);
    EXPECT_EQ(memory.sensitivityX, 220);
    EXPECT_EQ(memory.sensitivityY, 20);
    EXPECT_EQ(memory.dpiLevels, DpiLevelData(record));
    EXPECT_EQ(memory.dpiColors, DpiColorData(record));
    KeyMatrices matrices = BuildKeyMatrices(record);
    EXPECT_EQ(memory.keyMatrixBase, matrices.base);
    EXPECT_EQ(memory.keyMatrixShift, matrices.shift);
    for (int n = 0; n < kMacroSlots; ++n)
        EXPECT_EQ(memory.macros[static_cast<std::size_t>(n)][127], 0x10 + n);
    EXPECT_EQ(memory.lighting, (std::array<Byte, 3>{3, 6, 0}));
    EXPECT_EQ(memory.rejectedFrames, 0);
    EXPECT_NE(mouse.Describe().find("lighting: 03 06 00\n"), std::string::npos);
}

TEST_F(DeviceCommandsTest, UnplugDuringApplyStillSavesTheProfile) {
    store.currentConfig = EditedRecord();
    transport.StartListener([](int, int) {});
    std::vector<std::string> steps;
    Apply([&](const ApplyProgressStep& step) {
        steps.push_back(step.text);
        EXPECT_EQ(step.stepCount, 20);
        if (step.text == "macro 5 of 12")
            mouse.Unplug();
    });
    ASSERT_EQ(steps.size(), 20U);
    EXPECT_EQ(steps.front(), "polling rate");
    EXPECT_EQ(steps.back(), "profile files");
    EXPECT_EQ(paused, milliseconds(6350));

    SimulatedMouseMemory memory = mouse.Memory();
    EXPECT_EQ(memory.macros[3][0], 0x13);
    EXPECT_EQ(memory.macros[4][0], 0);
    EXPECT_EQ(memory.macros[11][0], 0);
    EXPECT_EQ(memory.lighting, (std::array<Byte, 3>{1, 2, 2}));
    EXPECT_EQ(folder.Read("config0.bin"), RecordFileBytes(store.currentConfig));
    transport.CloseHandles();
}

TEST_F(DeviceCommandsTest, StartupExchangeReadsAndWritesBackTheOptions) {
    store.currentConfig.profileSlot = 3;
    diagnostics.Clear();
    commands.StartupExchange();
    EXPECT_EQ(store.currentConfig.profileSlot, 0);
    const DeviceImage& image = store.deviceImage;
    EXPECT_EQ(image.functionOption1, 0x5A);
    EXPECT_EQ(image.functionOption2, 0x01);
    EXPECT_EQ(image.functionOption3, 0x02);
    EXPECT_EQ(image.functionOption4, 209);
    const std::vector<std::string> expectedLines = {
        "Buffer[1]:80,Buffer[2]:01.",
        "FW version:01-07\n",
        "Buffer[1]:83,Buffer[2]:5a.",
        "GetFunctionOption\tRead function option:Buffer[0]83，Buffer[1]5a，Buffer[2]01，"
        "Buffer[3]02，Buffer[4]03\n",
    };
    EXPECT_EQ(diagnostics.Lines(), expectedLines);
    EXPECT_EQ(trace.back(), "set-feature 00 03 5A 01 02 D1 00 00 CE");
    EXPECT_EQ(mouse.Memory().options, (std::array<Byte, 4>{0x5A, 0x01, 0x02, 0xD1}));
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(DeviceCommandsTest, ArrivalExchangeOnlyReadsTheOptions) {
    store.deviceImage.reserved20.fill(9);
    commands.ArrivalExchange();
    const std::vector<std::string> expected = {
        "set-feature 00 83 00 00 00 00 00 00 7C",
        "get-feature 00 83 5A 01 02 03 00 00 1C",
    };
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(store.deviceImage.reserved20[0], 0);
    EXPECT_EQ(store.deviceImage.functionOption4, 3);
}

TEST(DeviceCommandEncodingTest, DpiLevels) {
    struct Case {
        Byte code, enabled, sent;
    };
    const std::vector<Case> cases = {{4, 1, 0x04},  {4, 0, 0x84},  {54, 1, 0x5D}, {50, 0, 0xD9},
                                     {60, 1, 0x00}, {60, 0, 0x00}, {49, 0, 0xB1}, {55, 1, 0x00},
                                     {0, 1, 0x00},  {4, 7, 0x04}};
    for (const Case& c : cases)
        EXPECT_EQ(EncodeDpiLevel(c.code, c.enabled), c.sent)
            << int(c.code) << " " << int(c.enabled);
}

TEST(DeviceCommandEncodingTest, LevelsAndColoursLeaveStageSevenOut) {
    MouseConfig record{};
    record.dpiLevel = {1, 2, 3, 4, 5, 6, 7};
    record.dpiEnabled = {1, 1, 1, 1, 1, 1, 1};
    record.dpiColor[6] = {7, 8, 9};
    EXPECT_EQ(DpiLevelData(record), (std::array<Byte, 8>{1, 2, 3, 4, 5, 6, 0, 0}));
    std::array<Byte, 24> colors = DpiColorData(record);
    EXPECT_EQ(colors[18], 7);
    EXPECT_EQ(colors[20], 9);
    EXPECT_EQ(colors[21], 0);
}

TEST(DeviceCommandEncodingTest, Lighting) {
    struct Case {
        Byte mode, brightness, breath, neon, param;
        CommandBytes sent;
    };
    const std::vector<Case> cases = {
        {0, 3, 3, 3, 3, {0x0D, 0, 0, 0}}, {1, 1, 3, 3, 3, {0x0D, 0, 0, 0}},
        {1, 3, 3, 3, 3, {0x0D, 1, 3, 2}}, {2, 2, 1, 3, 3, {0x0D, 2, 4, 2}},
        {2, 2, 5, 3, 3, {0x0D, 2, 0, 2}}, {2, 2, 6, 3, 3, {0x0D, 2, 255, 2}},
        {3, 2, 2, 6, 3, {0x0D, 3, 6, 0}}, {4, 2, 2, 2, 9, {0x0D, 4, 9, 0}},
        {7, 2, 2, 2, 9, {0x0D, 7, 0, 0}},
    };
    for (const Case& c : cases) {
        MouseConfig record{};
        record.lightMode = c.mode;
        record.lightBrightness = c.brightness;
        record.lightBreathRate = c.breath;
        record.lightNeonRate = c.neon;
        record.lightMode4Param = c.param;
        EXPECT_EQ(LightingCommand(record), c.sent) << int(c.mode);
    }
}

TEST(DeviceCommandEncodingTest, SensitivityIsTwentyTimesTheStep) {
    MouseConfig record{};
    record.sensitivityX = 11;
    record.sensitivityY = 13;  // beyond the slider: only the low 8 bits of 260 go out
    EXPECT_EQ(SensitivityCommand(record), (CommandBytes{0x0E, 0xDC, 0x04, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace vorlak
