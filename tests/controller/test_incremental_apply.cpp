// SPDX-License-Identifier: GPL-3.0-or-later
// Apply sends only the steps the mouse lacks: after any sequence of edits (of every kind),
// Applies, unplugs, plugs, failed transfers, a setup from elsewhere, imports and restarts, the
// mouse holds what one full Apply of the same record gives a fresh mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "assign/function_catalogue.h"
#include "controller/controller_fakes.h"
#include "controller/main_controller.h"
#include "controller/task_queue.h"
#include "device/simulated_mouse.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_list.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using namespace std::chrono_literals;

constexpr int kMacroEdit = 7;

// What one full Apply of record, after the start-up exchange, leaves in a fresh mouse.
std::string FreshMouseAfterOneFullApply(MouseConfig record) {
    SimulatedMouse fresh;
    ConfigStore store;
    HidTransport transport(fresh, store, [](std::chrono::milliseconds) {});
    EXPECT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    DeviceCommands commands(transport, store);
    EXPECT_TRUE(commands.StartupExchange());
    EXPECT_TRUE(commands.ApplyToMouse(record, BuildApplySteps(record)).Ok());
    return fresh.Describe();
}

class IncrementalApplyTest : public ::testing::Test {
protected:
    IncrementalApplyTest() { WriteDefaultDataFiles(folder.Root()); }

    // The window starting (again) on the same data, mouse and runtime folder.
    void StartWindow() {
        controller.reset();
        controller = std::make_unique<MainController>(ControllerParts{
            store, mouse, pointer, ui, tray, view, DataFolder(folder.Root()),
            [this](std::chrono::milliseconds) { Paused(); }, runtime.Path("vorlak-kept-image")});
        controller->Start();
        controller->ShowPresence();
    }
    // A pause of the write, on its worker: the place where an unplug during a write happens.
    void Paused() {
        if (pausesUntilUnplug > 0 && --pausesUntilUnplug == 0)
            mouse.Unplug();
    }
    void DeliverNotices() {
        for (const DeviceNotice& notice : mouse.TakeNotices())
            controller->OnDeviceNotice(notice);
        ui.RunPending();
    }
    // Apply; true when every step the mouse lacked went out.
    bool Apply() {
        bool done = false;
        controller->ApplyFlow([&] { done = true; });
        EXPECT_TRUE(ui.RunUntil([&] { return done; }, 30s));
        const ApplyOutcome& outcome = controller->LastApply();
        return outcome.MouseTook() && outcome.stepsSent == outcome.stepsToSend;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    Byte AnyByte() { return static_cast<Byte>(Pick(256)); }

    EntryChoice AnyChoice() {
        switch (Pick(7)) {
            case 0:
                return PlainChoice{std::array<Byte, 5>{kFnRightClick, kFnMiddleClick, kFnForward,
                                                       kFnBack, kFnDeactivated}[Pick(5)]};
            case 1:
                return DpiChoice{static_cast<Byte>(Pick(3))};
            case 2:
                return MultimediaChoice{kMultimediaUsageLow[static_cast<std::size_t>(Pick(8))]};
            case 3:
                return OfficeChoice{kOfficeKeyUsages[static_cast<std::size_t>(Pick(10))]};
            case 4:
                return WindowsShortcutChoice{static_cast<Byte>(Pick(kWindowsShortcutCount))};
            case 5:
                return KeyChoice{std::string(1, static_cast<char>('A' + Pick(26)))};
            default:
                return MacroChoice{Pick(kMacroSlots), static_cast<Byte>(Pick(3)), "Macro"};
        }
    }

    // One edit of the kind given (0..11) or of one picked at random, through the editor as the
    // window makes it.
    void AnyEdit(int kind = -1) {
        RecordEditor& editor = controller->Editor();
        const MacroStore macros(controller->Files().MacroStorePath());
        const AssignmentContext context{controller->Text(), controller->LanguageCode(), macros};
        switch (kind >= 0 ? kind : Pick(12)) {
            case 0:
                editor.SetDpiCode(Pick(6), Between(1, 54));
                break;
            case 1:
                editor.ToggleDpiEnabled(Pick(6));
                break;
            case 2:
                editor.SetDpiColor(Pick(6), {AnyByte(), AnyByte(), AnyByte()});
                break;
            case 3:
                editor.SetLightMode(Between(1, 3));
                editor.SetLightStep(static_cast<LightStep>(Pick(3)), Between(1, 6));
                break;
            case 4:
                editor.SetPollingDivisor(std::array<int, 4>{1, 2, 4, 8}[Pick(4)]);
                break;
            case 5:
                editor.SetSensitivityX(Between(1, 11));
                editor.SetSensitivityY(Between(1, 11));
                break;
            case 6:
                editor.SetPointerSpeed(Between(1, 11));  // the desktop's, not the mouse's
                break;
            case kMacroEdit: {
                std::array<Byte, kMacroSlotSize> slot{};
                for (Byte& b : slot)
                    b = AnyByte();
                editor.SetMacroSlot(Pick(kMacroSlots), slot);
                break;
            }
            case 8:
                editor.AssignEntry(Pick(7), AnyChoice(), context);  // the base matrix
                break;
            case 9:
                editor.AssignEntry(7 + Pick(7), AnyChoice(), context);  // the Shift matrix
                break;
            case 10:
                editor.SetMacroSlot(Pick(kMacroSlots), {});  // a macro deleted
                break;
            default: {
                const MouseConfig kept = editor.Record();
                const EntryLabels labels = editor.Labels();
                editor.ResetToDefaults(kept, labels);
                break;
            }
        }
    }

    // Plugged into another computer that set it up otherwise: every step of some record.
    void SetUpElsewhere() {
        ConfigStore elsewhere;
        HidTransport transport(mouse, elsewhere, [](std::chrono::milliseconds) {});
        ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
        MouseConfig record = DefaultRecord();
        record.sensitivityX = static_cast<Byte>(Between(1, 11));
        record.dpiLevel[1] = static_cast<Byte>(Between(1, 54));
        record.macroSlot[3].fill(AnyByte());
        record.KeyFunction[10] = kFnDeactivated;
        ASSERT_TRUE(DeviceCommands(transport, elsewhere)
                        .ApplyToMouse(record, BuildApplySteps(record))
                        .Ok());
    }

    void Import() {
        MouseConfig record = controller->Editor().Record();
        record.lightMode = static_cast<Byte>(Between(1, 3));
        record.macroSlot[0][1] = AnyByte();
        const auto chosen = folder.Write("import.bin", RecordFileBytes(record));
        if (!controller->OpenProfileManager(store.currentProfileIndex))
            return;
        controller->ImportChosenProfile(chosen);
        // The list is committed on the disk writer; the manager closes when that is done.
        const auto closes = [this] {
            return std::count(log.calls.begin(), log.calls.end(), "close manager");
        };
        const auto before = closes();
        controller->ProfileManagerClosed(ProfileList::Read(IniFile::Open(folder.Path("str.ini"))),
                                         store.currentProfileIndex);
        ui.RunUntil([&] { return closes() > before; }, 10s);
    }

    TestFolder folder;
    TestFolder runtime;
    ConfigStore store;
    SimulatedMouse mouse;
    FakePointerSettings pointer;
    TaskQueue ui;
    CallLog log;
    FakeTray tray{log};
    FakeView view{log};
    std::unique_ptr<MainController> controller;
    std::atomic<int> pausesUntilUnplug = 0;
    std::mt19937 random;
};

TEST_F(IncrementalApplyTest, AnySequenceLeavesTheMouseAsOneFullApplyWould) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        random.seed(seed);
        StartWindow();
        MouseConfig lastApplied = store.currentConfig;
        MouseConfig beforeLastApply = lastApplied;
        int compared = 0, partial = 0;
        for (int round = 0; round < 200; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            const int what = Pick(20);
            if (what < 9) {
                AnyEdit();
                continue;
            }
            if (what == 9) {  // unplugged, maybe set up elsewhere, plugged in again
                mouse.Unplug();
                DeliverNotices();
                if (Pick(2) == 0)
                    AnyEdit();
                mouse.PlugIn();
                if (Pick(2) == 0)
                    SetUpElsewhere();
                DeliverNotices();
                continue;
            }
            if (what == 10) {
                Import();
                continue;
            }
            if (what == 11) {
                StartWindow();
                continue;
            }
            if (what == 14) {  // the edits since the Apply before the last one, undone by hand
                controller->Editor().Replace(beforeLastApply, controller->Editor().Labels());
                continue;
            }
            if (what ==
                12) {  // a macro edited, and a transfer of its Apply the mouse does not take
                Apply();
                AnyEdit(kMacroEdit);
                mouse.FailTransfer(Between(1, 5),
                                   std::array<int, 3>{EIO, EPIPE, ETIMEDOUT}[Pick(3)]);
            } else if (what == 13) {  // unplugged during the write, then back
                pausesUntilUnplug = Between(1, 30);
            }
            beforeLastApply = lastApplied;
            lastApplied = store.currentConfig;
            const bool whole = Apply();
            mouse.FailTransfer(0, 0);
            if (pausesUntilUnplug == 0 && !mouse.Plugged()) {
                mouse.PlugIn();
                DeliverNotices();
                partial++;
                continue;
            }
            pausesUntilUnplug = 0;
            DeliverNotices();
            if (!whole) {
                partial++;
                // The user takes back what the mouse refused: the mouse holds a part of it.
                if (Pick(2) == 0)
                    controller->Editor().Replace(beforeLastApply, controller->Editor().Labels());
                continue;
            }
            EXPECT_EQ(mouse.Describe(), FreshMouseAfterOneFullApply(store.currentConfig));
            ++compared;
        }
        EXPECT_GT(compared, 20) << "too few Applies compared";
        EXPECT_GT(partial, 0) << "no Apply was interrupted";
    }
}

}  // namespace
}  // namespace vorlak
