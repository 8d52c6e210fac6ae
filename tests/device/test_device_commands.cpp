// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_commands.h"

#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <string>
#include <vector>

#include "common/diagnostics.h"
#include "device/key_matrix.h"
#include "device/simulated_mouse.h"
#include "device/simulated_mouse_script.h"

namespace vorlak {
namespace {

using std::chrono::milliseconds;

std::string Zeros(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += " 00";
    return text;
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
        ResetToDefaults(store.currentConfig);
    }

    ApplyResult Apply(const StepProgress& progress = {}) {
        const std::vector<ApplyStep> steps = BuildApplySteps(store.currentConfig);
        return commands.ApplyToMouse(store.currentConfig, steps, progress);
    }

    SimulatedMouse mouse;
    ConfigStore store;
    std::vector<milliseconds> sleeps;
    HidTransport transport{mouse, store, [this](milliseconds ms) { sleeps.push_back(ms); }};
    DeviceCommands commands{transport, store};
    std::vector<std::string> trace;
    milliseconds paused{0};
    DiagnosticCapture diagnostics;
};

TEST_F(DeviceCommandsTest, ApplyOfTheDefaultsRecord) {
    store.currentConfig.profileSlot = 4;
    const ApplyResult result = Apply();
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.sent, kApplyStepCount);

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
    EXPECT_EQ(PauseSum(BuildApplySteps(store.currentConfig)), milliseconds(6350));
    EXPECT_EQ(mouse.Memory().rejectedFrames, 0);
}

// Some of the steps: each with its own pauses, in the binding order, the others left out with
// theirs.
TEST_F(DeviceCommandsTest, AnApplyOfSomeStepsSendsThemWithTheirPauses) {
    const std::vector<ApplyStep> all = BuildApplySteps(store.currentConfig);
    const std::vector<ApplyStep> some = {all[1], all[4],
                                         all[18]};  // sensitivity, matrix 0, lighting
    std::vector<std::string> sent;
    const ApplyResult result = commands.ApplyToMouse(
        store.currentConfig, some, {}, [&](const ApplyStep& step) { sent.push_back(step.Name()); });
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(sent, (std::vector<std::string>{"sensitivity", "key-matrix-0", "lighting"}));
    ASSERT_EQ(trace.size(), 10U);
    EXPECT_EQ(trace[0], "set-feature 00 0E 64 64 00 00 00 00 29");
    EXPECT_EQ(trace[1], "pause 50");
    EXPECT_EQ(trace[2], "set-feature 00 12 00 40 00 00 00 00 AD");
    EXPECT_EQ(trace[9], "set-feature 00 0D 01 02 02 00 00 00 ED");
    EXPECT_EQ(paused, milliseconds(50 + 200 + 100));
    EXPECT_EQ(paused, PauseSum(some));
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
    ASSERT_TRUE(Apply().Ok());
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

// Each step went out whatever the ones before it gave, and the write reported success.
TEST_F(DeviceCommandsTest, AnApplyStopsAtTheFirstStepTheMouseDoesNotTake) {
    struct Case {
        const char* line;  // for the simulated mouse before the Apply
        int unplugBeforeMacro;
        ApplyStepKind kind;
        int number;
        int error;
        int sent;
    };
    // Transfers: polling 1, sensitivity 2, levels 3 and 4, colours 5 and 6, the matrices 7..12,
    // macro 1's header 13 and its reports 14..17.
    const Case cases[] = {
        {"", 5, ApplyStepKind::Macro, 5, ENODEV, 10},
        {"fail 17 EIO", 0, ApplyStepKind::Macro, 1, EIO, 6},
        {"fail 1 EPIPE", 0, ApplyStepKind::PollingRate, 0, EPIPE, 0},
        {"fail 4 ETIMEDOUT", 0, ApplyStepKind::DpiLevels, 0, ETIMEDOUT, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " unplug " + std::to_string(c.unplugBeforeMacro));
        SimulatedMouse own;
        ConfigStore ownStore;
        ownStore.currentConfig = EditedRecord();
        milliseconds kept{0};
        HidTransport link{own, ownStore, [&](milliseconds ms) { kept += ms; }};
        ASSERT_TRUE(link.FindDevice(kPrimaryVendorId, kPrimaryProductId));
        std::string reply;
        ASSERT_TRUE(RunSimulatedMouseLine(own, c.line, reply));
        const std::vector<ApplyStep> steps = BuildApplySteps(ownStore.currentConfig);
        int reached = 0;
        const ApplyResult result =
            DeviceCommands(link, ownStore)
                .ApplyToMouse(ownStore.currentConfig, steps, [&](int, int, const ApplyStep& step) {
                    ++reached;
                    if (step.kind == ApplyStepKind::Macro && step.number == c.unplugBeforeMacro)
                        own.Unplug();
                });
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(result.failure->kind, c.kind);
        EXPECT_EQ(result.failure->number, c.number);
        EXPECT_EQ(result.failure->error, c.error);
        EXPECT_EQ(result.sent, c.sent);
        EXPECT_EQ(reached, c.sent + 1);  // nothing after the failed step
        // The pauses of the steps that went out, and at most the chunk pauses of the failed one.
        const milliseconds sentPauses =
            PauseSum(std::span<const ApplyStep>(steps).first(static_cast<std::size_t>(c.sent)));
        EXPECT_GE(kept, sentPauses);
        EXPECT_LT(kept, sentPauses + steps[static_cast<std::size_t>(c.sent)].PauseSum());
        EXPECT_EQ(own.Memory().lighting, (std::array<Byte, 3>{1, 2, 2}));
        link.CloseHandles();
    }
}

TEST_F(DeviceCommandsTest, StartupExchangeReadsAndWritesBackTheOptions) {
    store.currentConfig.profileSlot = 3;
    diagnostics.Clear();
    ASSERT_TRUE(commands.StartupExchange());
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
    ASSERT_TRUE(commands.ArrivalExchange());
    const std::vector<std::string> expected = {
        "set-feature 00 83 00 00 00 00 00 00 7C",
        "get-feature 00 83 5A 01 02 03 00 00 1C",
    };
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(store.deviceImage.reserved20[0], 0);
    EXPECT_EQ(store.deviceImage.functionOption4, 3);
}

// The options were written back from a read that failed: zeros into the mouse's own settings.
TEST_F(DeviceCommandsTest, OptionsThatCouldNotBeReadAreNotWrittenBack) {
    mouse.FailTransfer(4, EPIPE);  // the 0x83 reply; 0x80 took the first two
    const TransferResult exchanged = commands.StartupExchange();
    EXPECT_EQ(exchanged.Error(), EPIPE);
    EXPECT_EQ(trace.back(), "get-feature 00 00 00 00 00 00 00 00 00 failed: EPIPE");
    EXPECT_EQ(mouse.Memory().options, (std::array<Byte, 4>{0x5A, 0x01, 0x02, 0x03}));
    EXPECT_EQ(store.deviceImage.functionOption1, 0);

    // A version that cannot be read is only a diagnostic: the options still go back.
    mouse.FailTransfer(2, EIO);
    EXPECT_EQ(commands.StartupExchange().Error(), EIO);
    EXPECT_EQ(trace.back(), "set-feature 00 03 5A 01 02 D1 00 00 CE");
    EXPECT_EQ(mouse.Memory().options, (std::array<Byte, 4>{0x5A, 0x01, 0x02, 0xD1}));

    mouse.FailTransfer(1, ENODEV);
    EXPECT_EQ(commands.ArrivalExchange().Error(), ENODEV);
    EXPECT_EQ(store.deviceImage.functionOption4, 0);
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
