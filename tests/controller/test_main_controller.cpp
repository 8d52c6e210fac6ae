// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/main_controller.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "assign/function_catalogue.h"
#include "common/diagnostics.h"
#include "controller/controller_fakes.h"
#include "controller/profile_notices.h"
#include "controller/task_queue.h"
#include "device/simulated_mouse.h"
#include "device/simulated_mouse_script.h"
#include "flush_hook.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_list.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using namespace std::chrono_literals;

// Lets the write sequence run until a test holds it at its first pause.
class PauseGate {
public:
    vorlak::Sleeper MakeSleeper() {
        return [this](std::chrono::milliseconds) {
            std::unique_lock lock(mutex_);
            reached_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return !held_; });
        };
    }
    // The next pause holds; WaitUntilReached waits for it.
    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
        reached_ = false;
    }
    void WaitUntilReached() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool reached_ = false;
};

// The simulated mouse, with device nodes that this user may not open.
struct LockedNodesBackend : HidBackend {
    explicit LockedNodesBackend(HidBackend& inner) : mouse(inner) {}
    std::optional<std::vector<HidInterfaceInfo>> Enumerate() override { return mouse.Enumerate(); }
    std::unique_ptr<HidHandle> OpenCommand(const std::string& path) override {
        return mouse.OpenCommand(path);
    }
    std::unique_ptr<HidHandle> OpenEvent(const std::string& path) override {
        return mouse.OpenEvent(path);
    }
    std::vector<std::string> InaccessibleMouseNodes() override { return locked; }
    std::string ArrivalKey(const std::string& path) override { return mouse.ArrivalKey(path); }
    HidBackend& mouse;
    std::vector<std::string> locked;
};

class MainControllerTest : public ::testing::Test {
protected:
    MainControllerTest() { WriteDefaultDataFiles(folder.Root()); }
    ~MainControllerTest() override { gate.Release(); }

    // keepImageAtStart: as vorlakctl starts (the window's start forgets the kept image).
    MainController& Make(bool keepImageAtStart = false) {
        controller.reset();
        controller = std::make_unique<MainController>(
            ControllerParts{store, backend, pointer, ui, tray, view, DataFolder(folder.Root()),
                            gate.MakeSleeper(), keptFile, keepImageAtStart});
        return *controller;
    }
    MainController& Started() {
        Make().Start();
        controller->ShowPresence();
        log.calls.clear();
        return *controller;
    }
    bool Apply() {
        bool done = false;
        controller->ApplyFlow([&] { done = true; });
        return ui.RunUntil([&] { return done; }, 30s);
    }
    // The profile manager's close, with its commit on the disk writer run to the end.
    void CloseManager(const std::optional<ProfileList>& list, int current) {
        const auto closes = [&] {
            return std::count(log.calls.begin(), log.calls.end(), "close manager");
        };
        const auto before = closes();
        controller->ProfileManagerClosed(list, current);
        ui.RunUntil([&] { return closes() > before; }, 10s);
    }
    // The steps the next Apply sent, by the progress it showed (the profile files left out).
    std::vector<std::string> StepsOfNextApply() {
        view.steps.clear();
        EXPECT_TRUE(Apply());
        if (view.steps.empty() || view.steps.back() != "profile files")
            ADD_FAILURE() << "the Apply did not end with the profile files";
        else
            view.steps.pop_back();
        return view.steps;
    }
    // Delivers the simulated mouse's hot-plug notices to the controller.
    void DeliverNotices() {
        for (const DeviceNotice& notice : mouse.TakeNotices())
            controller->OnDeviceNotice(notice);
        ui.RunPending();
    }
    // Waits until the listener's event reports have reached the UI queue and ran.
    void RunEvents(std::size_t expectedCalls) {
        ui.RunUntil([&] { return log.calls.size() >= expectedCalls; }, 5s);
    }

    TestFolder folder;
    TestFolder runtime;  // the user's runtime folder, where the kept image is shared
    const std::filesystem::path keptFile = runtime.Path("vorlak-kept-image");
    ConfigStore store;
    SimulatedMouse mouse;
    LockedNodesBackend backend{mouse};
    FakePointerSettings pointer;
    TaskQueue ui;
    CallLog log;
    FakeTray tray{log};
    FakeView view{log};
    PauseGate gate;
    std::unique_ptr<MainController> controller;
};

TEST_F(MainControllerTest, StartWithTheMouseShowsTheRecordAndKeepsTheIcon) {
    MainController& c = Make();
    ASSERT_TRUE(c.Start());
    c.ShowPresence();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"add Vorlak", "record"}));
    EXPECT_TRUE(c.ProfileLoaded());
    EXPECT_EQ(c.LanguageCode(), "EN");
    EXPECT_EQ(c.LabelColor(), (std::array<Byte, 3>{255, 255, 255}));
    EXPECT_EQ(c.DpiNames()[2], c.Text().TxtDpiLoop);
    EXPECT_EQ(std::memcmp(&store.currentConfig, &store.savedConfig, sizeof(MouseConfig)), 0);
    EXPECT_EQ(store.deviceImage.functionOption4, kWrittenOption4);
}

TEST_F(MainControllerTest, StartWithoutTheMouseHidesTheWindowAndRemovesTheIcon) {
    mouse.Unplug();
    mouse.TakeNotices();
    MainController& c = Make();
    EXPECT_FALSE(c.Start());
    c.ShowPresence();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"add Vorlak", "hide", "remove"}));
    EXPECT_FALSE(c.DeviceConnected());
    EXPECT_TRUE(c.ProfileLoaded());
}

// Without the notice the window stayed silent: the user never learnt why nothing worked.
TEST_F(MainControllerTest, AMouseThatMayNotBeOpenedIsNamedOnceWithTheFix) {
    mouse.Unplug();
    mouse.TakeNotices();
    backend.locked = {"/dev/hidraw3", "/dev/hidraw4"};
    MainController& c = Make();
    EXPECT_FALSE(c.Start());
    c.ShowPresence();
    ASSERT_EQ(log.calls.size(), 4u);
    EXPECT_EQ(log.calls[0], "add Vorlak");
    const std::string& notice = log.calls[1];
    EXPECT_NE(notice.find("/dev/hidraw3 /dev/hidraw4"), std::string::npos) << notice;
    EXPECT_NE(notice.find("udev rule"), std::string::npos) << notice;
    EXPECT_EQ(log.calls[2], "hide");
    EXPECT_EQ(log.calls[3], "remove");

    // An arrival that still finds no mouse to open says it no more.
    log.calls.clear();
    c.OnDeviceNotice({DeviceNotice::Kind::Arrival, R"(\\?\HID#VID_04D9&PID_A168&MI_01#hidraw3)"});
    ui.RunPending();
    EXPECT_EQ(std::count_if(log.calls.begin(), log.calls.end(),
                            [](const std::string& call) { return call.find("udev") != call.npos; }),
              0);
}

TEST_F(MainControllerTest, ApplyWritesTheRecordOffTheUiThreadAndTakesTheSnapshot) {
    MainController& c = Started();
    c.Editor().SetSensitivityX(7);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(mouse.Memory().sensitivityX, 140);
    EXPECT_EQ(store.savedConfig.sensitivityX, 7);
    EXPECT_EQ(pointer.calls, 1);
    EXPECT_EQ(log.calls.front(), "busy");
    ASSERT_GE(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[log.calls.size() - 2], "idle");
    EXPECT_EQ(log.calls.back(), "note Sent to the mouse and saved.");
    EXPECT_FALSE(c.Busy());
    ASSERT_FALSE(view.steps.empty());
    EXPECT_NE(std::find(view.steps.begin(), view.steps.end(), "macro 5 of 12"), view.steps.end());
}

// A setting the desktop kept is told after Apply, in the user's language, once a session;
// before, Apply's success hid it.
TEST_F(MainControllerTest, ApplyTellsOnceWhichPointerSettingsTheDesktopKept) {
    pointer.refuseWheel = true;
    Started();
    ASSERT_TRUE(Apply());
    const std::string told =
        "pointer The desktop kept these settings as they were: Wheel scroll lines: Testdesk has "
        "no such setting.";
    EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), told), 1);
    EXPECT_LT(log.IndexOf(told), log.IndexOf("idle"));
    log.calls.clear();
    ASSERT_TRUE(Apply());
    EXPECT_FALSE(log.Has(told));
}

// The worker sends the copy taken when the write began: an edit is refused while it runs,
// and bytes put into the store's record meanwhile (as a read of the profile files would)
// reach neither the mouse nor the profile file.
TEST_F(MainControllerTest, ApplySendsTheCopyTakenWhenItStarted) {
    MainController& c = Started();
    c.Editor().SetSensitivityX(7);
    c.Editor().SetSensitivityY(6);
    gate.Hold();
    bool done = false;
    c.ApplyFlow([&] { done = true; });
    gate.WaitUntilReached();  // the polling rate went out, the sensitivity not yet
    EXPECT_EQ(c.Editor().SetSensitivityX(2), EditResult::Refused);
    store.currentConfig.sensitivityY = 3;
    gate.Release();
    ASSERT_TRUE(ui.RunUntil([&] { return done; }, 30s));
    EXPECT_EQ(mouse.Memory().sensitivityX, 7 * 20);
    EXPECT_EQ(mouse.Memory().sensitivityY, 6 * 20);
    EXPECT_EQ(
        static_cast<Byte>(folder.Read("config0.bin")[1 + offsetof(MouseConfig, sensitivityY)]), 6);
    // What the mouse holds is the record and the snapshot again; edits are taken.
    EXPECT_EQ(store.currentConfig.sensitivityY, 6);
    EXPECT_EQ(store.savedConfig.sensitivityY, 6);
    EXPECT_EQ(c.Editor().SetSensitivityX(2), EditResult::Changed);
}

// An empty record file leaves the defaults, not zeros, and is named to the user.
TEST_F(MainControllerTest, AShortRecordFileLeavesTheDefaultsAndIsNamed) {
    folder.Write("config0.bin", "");
    MainController& c = Make();
    c.Start();
    c.ShowPresence();
    MouseConfig defaults{};
    ResetToDefaults(defaults);
    EXPECT_EQ(store.currentConfig.KeyFunction, defaults.KeyFunction);
    EXPECT_EQ(store.currentConfig.pollingDivisor, 2);
    EXPECT_EQ(store.currentConfig.dpiLevel, defaults.dpiLevel);
    EXPECT_TRUE(log.Has("problem " + folder.Path("config0.bin").string() +
                        " is shorter than a profile record.\nVorlak shows the default settings."));
    ASSERT_TRUE(Apply());
    EXPECT_EQ(mouse.Memory().pollingDivisor, 2);
}

struct MissingDataCase {
    const char* name;
    std::function<void(const TestFolder&)> damage;
    std::string named;  // the file or folder named, relative to the data folder
    const char* reason;
};

// A data folder without a readable profile: the defaults are shown, the user is told which
// file and why, and Apply sends nothing until a record was read or reset.
TEST_F(MainControllerTest, ARecordNeverReadIsNeverSent) {
    const MissingDataCase cases[] = {
        {"no folder", [](const TestFolder& f) { std::filesystem::remove_all(f.Root()); }, "",
         "does not exist"},
        {"no profile list", [](const TestFolder& f) { std::filesystem::remove(f.Path("str.ini")); },
         "str.ini", "does not exist"},
        {"an empty profile list", [](const TestFolder& f) { f.Write("str.ini", ""); }, "str.ini",
         "lists no profile"},
        {"no record", [](const TestFolder& f) { std::filesystem::remove(f.Path("config0.bin")); },
         "config0.bin", "does not exist"},
    };
    for (const MissingDataCase& c : cases) {
        TestFolder data;
        WriteDefaultDataFiles(data.Root());
        c.damage(data);
        ConfigStore freshStore;
        SimulatedMouse freshMouse;
        CallLog calls;
        FakeTray freshTray{calls};
        FakeView freshView{calls};
        MainController own(ControllerParts{freshStore, freshMouse, pointer, ui, freshTray,
                                           freshView, DataFolder(data.Root()), gate.MakeSleeper()});
        ASSERT_TRUE(own.Start()) << c.name;
        own.ShowPresence();
        EXPECT_FALSE(own.ProfileLoaded()) << c.name;
        const std::string named =
            c.named.empty() ? (data.Root() / "").string() : data.Path(c.named).string();
        EXPECT_NE(own.DataProblemNotice().find(named + " " + c.reason), std::string::npos)
            << c.name << ": " << own.DataProblemNotice();
        EXPECT_TRUE(calls.Has("problem " + own.DataProblemNotice())) << c.name;
        EXPECT_EQ(freshStore.currentConfig.pollingDivisor, 2) << c.name;

        const SimulatedMouseMemory before = freshMouse.Memory();
        bool done = false;
        EXPECT_EQ(own.ApplyFlow([&] { done = true; }), WriteStart::NotLoaded) << c.name;
        EXPECT_FALSE(done);
        EXPECT_FALSE(own.Busy());
        EXPECT_TRUE(
            calls.Has("problem No profile could be read, so nothing was sent to the mouse."))
            << c.name;
        EXPECT_EQ(freshMouse.Memory().keyMatrixBase, before.keyMatrixBase) << c.name;
        EXPECT_EQ(pointer.calls, 0) << c.name;
    }
}

TEST_F(MainControllerTest, ApplyWithoutTheMouseSendsSavesAndSnapshotsNothing) {
    mouse.Unplug();
    MainController& c = Started();
    c.Editor().SetSensitivityX(7);
    const auto before = folder.Read("config0.bin");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(store.savedConfig.sensitivityX, c.Store().savedConfig.sensitivityX);
    EXPECT_NE(store.savedConfig.sensitivityX, 7);
    EXPECT_EQ(folder.Read("config0.bin"), before);
    EXPECT_EQ(pointer.calls, 0);
}

TEST_F(MainControllerTest, NoticesDuringApplyWaitUntilItEnds) {
    MainController& c = Started();
    gate.Hold();
    bool done = false;
    c.ApplyFlow([&] { done = true; });
    gate.WaitUntilReached();
    EXPECT_EQ(c.ApplyFlow(), WriteStart::Busy);  // one write at a time
    c.OnDeviceEvent(9, 2);
    mouse.Unplug();
    DeliverNotices();
    EXPECT_EQ(log.calls, std::vector<std::string>{"busy"});
    gate.Release();
    ASSERT_TRUE(ui.RunUntil([&] { return done; }, 30s));
    ui.RunPending();
    // The write ended (at the step that found the mouse gone), then the notices came.
    EXPECT_LT(log.IndexOf("idle"), log.IndexOf("Info: Switch to macro key2 (5000)"));
    EXPECT_LT(log.IndexOf("Info: Switch to macro key2 (5000)"),
              log.IndexOf("Warning: The system did not detect Vorlak! (100)"));
    EXPECT_FALSE(c.DeviceConnected());
    EXPECT_EQ(log.calls.back(), "remove");
}

TEST_F(MainControllerTest, UnplugDuringApplyStillWritesTheProfileFiles) {
    MainController& c = Started();
    c.Editor().SetSensitivityY(9);
    gate.Hold();
    bool done = false;
    c.ApplyFlow([&] { done = true; });
    gate.WaitUntilReached();
    mouse.Unplug();
    gate.Release();
    ASSERT_TRUE(ui.RunUntil([&] { return done; }, 30s));
    EXPECT_EQ(
        static_cast<Byte>(folder.Read("config0.bin")[1 + offsetof(MouseConfig, sensitivityY)]), 9);
}

// Apply reported success as long as the files saved, and the device layer saved them itself.
// Now the mouse's part and the files' part are told apart, and the files are saved whatever
// the mouse took.
TEST_F(MainControllerTest, ApplySavesWhateverTheMouseTookAndSaysWhichHappened) {
    struct Case {
        const char* name;
        const char* mouseLine;  // for the simulated mouse before the Apply
        bool filesWritable;
        std::string said;
    };
    const std::string folderName = folder.Root().string();
    // Which part of the save was not written, and why.
    const std::string labelsOnly =
        "\nThe profile's button labels were saved, but not its settings (" +
        folder.Path("config0.bin").string() + ": does not exist).";
    const Case cases[] = {
        {"sent and saved", "", true, "note Sent to the mouse and saved."},
        {"saved, not taken", "fail 17 EIO", true,
         "warning The profile was saved, but the mouse did not take the settings.\nmacro 1 of 12: "
         "input/output error (EIO)\nPress Apply again to send them."},
        {"sent, not saved", "", false,
         "warning The settings reached the mouse, but the profile files could not be saved in " +
             folderName + "." + labelsOnly},
        {"neither", "fail 1 EPIPE", false,
         "warning The mouse did not take the settings, and the profile files could not be saved "
         "in " +
             folderName + ".\npolling rate: the mouse refused the transfer (EPIPE)" + labelsOnly},
    };
    MainController& c = Started();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        c.ForceFullApply();  // so that the transfers counted by the lines are those of every step
        folder.Write("config0.bin", RecordFileBytes(store.currentConfig));
        if (!k.filesWritable)
            std::filesystem::remove(folder.Path("config0.bin"));  // saved only where it exists
        c.Editor().SetSensitivityY(static_cast<int>(store.currentConfig.sensitivityY % 11 + 1));
        const Byte edited = store.currentConfig.sensitivityY;
        std::string reply;
        ASSERT_TRUE(RunSimulatedMouseLine(mouse, k.mouseLine, reply));
        log.calls.clear();
        ASSERT_TRUE(Apply());
        EXPECT_EQ(log.calls, (std::vector<std::string>{"busy", "idle", k.said}));
        EXPECT_EQ(c.LastApply().saved, k.filesWritable);
        EXPECT_EQ(c.LastApply().MouseTook(), std::string(k.mouseLine).empty());
        if (k.filesWritable) {
            EXPECT_EQ(static_cast<Byte>(
                          folder.Read("config0.bin")[1 + offsetof(MouseConfig, sensitivityY)]),
                      edited);
        }
        // The edit stays in the window either way, and the next Apply sends it.
        EXPECT_EQ(store.currentConfig.sensitivityY, edited);
        EXPECT_EQ(view.steps.back(), "profile files");
    }
    folder.Write("config0.bin", RecordFileBytes(store.currentConfig));
    ASSERT_TRUE(Apply());
    EXPECT_EQ(mouse.Memory().sensitivityY, store.currentConfig.sensitivityY * 20);
}

TEST_F(MainControllerTest, WhatWaitsForTheWriteRunsAfterItsEnd) {
    MainController& c = Started();
    gate.Hold();
    std::vector<std::string> order;
    c.ApplyFlow([&] { order.push_back("applied"); });
    gate.WaitUntilReached();
    c.WhenIdle([&] { order.push_back("exit"); });
    c.ShowFromTray();
    EXPECT_TRUE(order.empty());
    gate.Release();
    ASSERT_TRUE(ui.RunUntil([&] { return order.size() == 2; }, 30s));
    EXPECT_EQ(order, (std::vector<std::string>{"applied", "exit"}));
    EXPECT_EQ(log.calls.back(), "show");
}

TEST_F(MainControllerTest, CancelRevertsAndHidesWhileCloseKeepsTheEdit) {
    MainController& c = Started();
    const Byte saved = store.savedConfig.dpiLevel[0];
    c.Editor().SetDpiCode(0, 30);
    c.Close();
    EXPECT_EQ(store.currentConfig.dpiLevel[0], 30);
    c.Cancel();
    EXPECT_EQ(store.currentConfig.dpiLevel[0], saved);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"hide", "hide"}));
}

TEST_F(MainControllerTest, ResetKeepsTheMacrosAndEndsWithTheDefaultsSavedAndSent) {
    MainController& c = Started();
    MouseConfig edited = store.currentConfig;
    edited.profileSlot = 3;
    edited.macroSlot[4][0] = 0x42;
    c.Editor().Replace(edited, c.Editor().Labels());
    c.Editor().SetDpiCode(0, 30);
    c.Editor().SetSensitivityX(2);
    bool done = false;
    c.DefaultsReset([&] { done = true; });
    ASSERT_TRUE(ui.RunUntil([&] { return done; }, 30s));
    c.FinishReset();
    MouseConfig defaults = store.currentConfig;
    ResetToDefaults(defaults);
    EXPECT_EQ(std::memcmp(&store.currentConfig, &defaults, sizeof defaults), 0);
    EXPECT_EQ(std::memcmp(&store.savedConfig, &defaults, sizeof defaults), 0);
    EXPECT_EQ(store.currentConfig.profileSlot, 0);  // every apply sets it to 0
    EXPECT_EQ(store.currentConfig.macroSlot[4][0], 0x42);
    EXPECT_EQ(store.useDefaultFiles, 0);
    EXPECT_EQ(mouse.Memory().sensitivityX, defaults.sensitivityX * 20);
}

TEST_F(MainControllerTest, ResetWithoutTheMouseKeepsTheSlotAndSendsNothing) {
    mouse.Unplug();
    MainController& c = Started();
    MouseConfig edited = store.currentConfig;
    edited.profileSlot = 3;
    edited.macroSlot[0][1] = 0x17;
    c.Editor().Replace(edited, c.Editor().Labels());
    bool done = false;
    c.DefaultsReset([&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_EQ(store.currentConfig.profileSlot, 3);
    EXPECT_EQ(store.currentConfig.macroSlot[0][1], 0x17);
    EXPECT_TRUE(log.calls.empty());
}

// Three listed profiles, profile k's record with X sensitivity k + 2; the current one is
// `current`, as the list names it at start.
void WriteThreeProfiles(const TestFolder& folder, int current) {
    for (int k = 0; k < 3; ++k) {
        MouseConfig record = DefaultRecord();
        record.sensitivityX = static_cast<Byte>(k + 2);
        folder.Write(RecordFileName(k), RecordFileBytes(record));
    }
    IniFile list = IniFile::Open(folder.Path("str.ini"));
    ProfileList({{"P1", {0, false}}, {"P2", {1, false}}, {"P3", {2, false}}})
        .WriteTo(list, current);
    list.Save();
}

ProfileList ListOf(const TestFolder& folder) {
    return ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
}

TEST_F(MainControllerTest, ProfileManagerClosingOnItsOwnEntryLoadsNothing) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    c.Editor().SetSensitivityX(5);
    ASSERT_TRUE(c.OpenProfileManager(0));
    EXPECT_FALSE(c.OpenProfileManager(0));
    CloseManager(ListOf(folder), 0);
    EXPECT_EQ(store.currentConfig.sensitivityX, 5);
    EXPECT_EQ(log.calls, std::vector<std::string>{"close manager"});
    EXPECT_FALSE(c.ProfileManagerOpen());
}

TEST_F(MainControllerTest, ProfileManagerClosingOnAnotherEntryLoadsThatSlot) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    ASSERT_TRUE(c.OpenProfileManager(0));
    CloseManager(ListOf(folder), 2);
    EXPECT_EQ(store.currentConfig.sensitivityX, 4);
    EXPECT_EQ(store.currentProfileIndex, 2);
    EXPECT_EQ(store.selectedProfile, 2);
    EXPECT_EQ(ReadIniString(folder.Path("str.ini"), "Profile", "CurProfileName"), "P3");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"record", "close manager"}));
}

TEST_F(MainControllerTest, ImportThenClosingOnAnotherEntryKeepsTheImportedRecord) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    MouseConfig imported = store.currentConfig;
    imported.sensitivityY = 8;
    const auto chosen = folder.Write("mine.bin", RecordFileBytes(imported));
    ASSERT_TRUE(c.OpenProfileManager(0));
    EXPECT_EQ(c.ImportChosenProfile(chosen).result, ImportResult::Imported);
    CloseManager(ListOf(folder), 2);
    EXPECT_EQ(store.currentConfig.sensitivityY, 8);
    // The next Apply writes it into the profile now current.
    EXPECT_EQ(store.currentProfileIndex, 2);
    EXPECT_EQ(c.Files().ConfigFilePath(), folder.Path("config2.bin"));
    // The next close on another entry applies the selection again.
    ASSERT_TRUE(c.OpenProfileManager(2));
    CloseManager(ListOf(folder), 1);
    EXPECT_EQ(store.selectedProfile, 1);
    EXPECT_EQ(store.currentConfig.sensitivityX, 3);
}

// The profile shown moves with its name: deleting an entry before it renumbers its files, and
// closing on it keeps the record in the window, whose next save goes to its new number.
TEST_F(MainControllerTest, ADeleteBeforeTheCurrentProfileKeepsItsRecordUnderItsName) {
    WriteThreeProfiles(folder, 1);
    MainController& c = Started();
    ASSERT_EQ(store.currentProfileIndex, 1);
    c.Editor().SetSensitivityX(9);  // not applied
    ASSERT_TRUE(c.OpenProfileManager(1));
    ProfileList list = ListOf(folder);
    list.Delete(0);
    CloseManager(list, 0);
    EXPECT_EQ(store.currentConfig.sensitivityX, 9);
    EXPECT_EQ(store.currentProfileIndex, 0);
    EXPECT_EQ(c.Files().ConfigFilePath(), folder.Path("config0.bin"));
    EXPECT_EQ(folder.Read("config0.bin")[1 + offsetof(MouseConfig, sensitivityX)], 3);
    EXPECT_EQ(folder.Read("config2.bin")[1 + offsetof(MouseConfig, sensitivityX)], 2);
    EXPECT_EQ(ReadIniString(folder.Path("str.ini"), "Profile", "CurProfileName"), "P2");
    EXPECT_EQ(log.calls, std::vector<std::string>{"close manager"});
}

TEST_F(MainControllerTest, ARefusedImportChangesNothingAndSaysWhy) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    const auto chosen = folder.Write("short.bin", std::string(1888, '\x07'));
    ASSERT_TRUE(c.OpenProfileManager(0));
    EXPECT_EQ(c.ImportChosenProfile(chosen).result, ImportResult::WrongSize);
    EXPECT_EQ(store.currentConfig.sensitivityX, 2);
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_NE(log.calls[0].find("short.bin was not imported"), std::string::npos);
    EXPECT_NE(log.calls[0].find("this one holds 1888"), std::string::npos);
    // No import is pending: closing on another entry reads that entry.
    CloseManager(ListOf(folder), 1);
    EXPECT_EQ(store.currentConfig.sensitivityX, 3);
}

TEST_F(MainControllerTest, AListThatCannotBeCommittedIsNamedAndLoadsNothing) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    std::filesystem::remove(folder.Path("str2.ini"));
    std::filesystem::create_directory(folder.Path("str2.ini"));
    ASSERT_TRUE(c.OpenProfileManager(0));
    ProfileList list = ListOf(folder);
    list.Delete(2);
    list.AddNew("Profile");
    CloseManager(list, 2);
    EXPECT_EQ(store.currentConfig.sensitivityX, 2);
    ASSERT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[0].rfind("problem The profile list could not be saved", 0), 0u);
    EXPECT_EQ(log.calls[1], "close manager");
    EXPECT_EQ(ListOf(folder).Name(2), "P3");
}

TEST_F(MainControllerTest, AResetTakesTheProfileManagerAway) {
    mouse.Unplug();
    MainController& c = Started();
    ASSERT_TRUE(c.OpenProfileManager(0));
    c.DefaultsReset();
    EXPECT_FALSE(c.ProfileManagerOpen());
    EXPECT_EQ(log.calls.front(), "close manager");
    log.calls.clear();
    c.ProfileManagerClosed(ListOf(folder), 0);  // its late close changes nothing
    EXPECT_TRUE(log.calls.empty());
}

// An export ends a pending import: the window reads the stored current profile back, and a
// later close on another entry reads that entry instead of writing the import over it.
TEST_F(MainControllerTest, AnExportEndsAPendingImport) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    MouseConfig imported = store.currentConfig;
    imported.sensitivityY = 8;
    ASSERT_TRUE(c.OpenProfileManager(0));
    ASSERT_EQ(c.ImportChosenProfile(folder.Write("mine.bin", RecordFileBytes(imported))).result,
              ImportResult::Imported);
    EXPECT_TRUE(c.ExportChosenProfile(folder.Path("out.bin")).written);
    CloseManager(ListOf(folder), 2);
    EXPECT_EQ(store.currentConfig.sensitivityX, 4);
    EXPECT_NE(store.currentConfig.sensitivityY, 8);
    EXPECT_EQ(store.currentProfileIndex, 2);
}

TEST_F(MainControllerTest, AnExportThatCannotWriteItsLabelsFailsWithTheReason) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    std::filesystem::create_directories(folder.Path("out.ini/x"));
    ASSERT_TRUE(c.OpenProfileManager(0));
    const ExportOutcome outcome = c.ExportChosenProfile(folder.Path("out"));
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out.bin")));
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_EQ(log.calls[0].rfind(
                  "problem " + folder.Path("out.ini").string() + " could not be written (", 0),
              0u);
}

TEST_F(MainControllerTest, AnImportWithAFieldOutsideItsValuesIsRefusedWithTheField) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    MouseConfig bad = store.currentConfig;
    bad.sensitivityX = 71;
    ASSERT_TRUE(c.OpenProfileManager(0));
    EXPECT_EQ(c.ImportChosenProfile(folder.Write("bad.bin", RecordFileBytes(bad))).result,
              ImportResult::OutOfRange);
    EXPECT_EQ(store.currentConfig.sensitivityX, 2);
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_NE(log.calls[0].find("x-axis sensitivity: 71 is not a value a profile can hold."),
              std::string::npos);
}

// A stored record with such a field is shown and sent only in range, and the user learns which
// field was changed; the double-click time handed to the desktop stays on the dial.
TEST_F(MainControllerTest, AStoredRecordOutOfRangeIsRepairedAndTheFieldsNamed) {
    MouseConfig record = DefaultRecord();
    record.sensitivityX = 71;
    record.doubleClickStep = 255;
    folder.Write("config0.bin", RecordFileBytes(record));
    MainController& c = Started();
    EXPECT_EQ(store.currentConfig.sensitivityX, 11);
    EXPECT_NE(c.DataProblemNotice().find("x-axis sensitivity 71 → 11"), std::string::npos);
    EXPECT_NE(c.DataProblemNotice().find("double-click speed 255 → 11"), std::string::npos);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(PointerValuesOf(store.currentConfig).doubleClickMs, 200);
}

// Holds the disk writer at its first flush until released.
class FlushGate {
public:
    FlushGate()
        : hook_([this](const std::filesystem::path&) {
              std::unique_lock lock(mutex_);
              reached_ = true;
              changed_.notify_all();
              changed_.wait(lock, [this] { return released_; });
          }) {}
    ~FlushGate() { Release(); }
    void WaitUntilReached() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
    FlushHook hook_;
};

// The commit's flushes run on the disk writer: the close returns at once, and until the commit
// ends the window stays as it was (the manager open, the record unchanged) and every flow that
// touches the profiles waits or is refused.
TEST_F(MainControllerTest, TheProfileCommitRunsOffTheUiThreadAndTheFlowsWaitForIt) {
    WriteThreeProfiles(folder, 0);
    MainController& c = Started();
    ASSERT_TRUE(c.OpenProfileManager(0));
    FlushGate flushes;
    c.ProfileManagerClosed(ListOf(folder), 2);
    flushes.WaitUntilReached();
    c.ShowFromTray();
    EXPECT_FALSE(c.OpenProfileManager(2));
    EXPECT_EQ(c.ApplyFlow(), WriteStart::Busy);
    ui.RunPending();
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(store.currentConfig.sensitivityX, 2);
    flushes.Release();
    ASSERT_TRUE(ui.RunUntil([&] { return log.Has("show"); }, 10s));
    EXPECT_LT(log.IndexOf("close manager"), log.IndexOf("show"));
    EXPECT_EQ(store.currentConfig.sensitivityX, 4);
}

// A rename that fails halfway leaves the files half renumbered: the user is told so (not that
// the profiles stay as they were), nothing is saved or committed over it, and once the obstacle
// is gone the next save finishes it and saves the record under its profile's new number.
TEST_F(MainControllerTest, AHalfDoneRenumberingIsToldAndFinishedBeforeTheNextSave) {
    WriteThreeProfiles(folder, 1);
    MainController& c = Started();
    ASSERT_EQ(store.currentProfileIndex, 1);
    c.Editor().SetSensitivityX(9);
    ASSERT_TRUE(c.OpenProfileManager(1));
    ProfileList list = ListOf(folder);
    list.Delete(0);
    const std::filesystem::path obstacle = folder.Path("str1.ini");
    {
        FlushHook hook([&](const std::filesystem::path& path) {
            if (path.filename() == std::string(kProfileJournalFile) + ".vorlak-new") {
                std::filesystem::remove(obstacle);
                std::filesystem::create_directories(obstacle / "x");
            }
        });
        CloseManager(list, 0);
    }
    ASSERT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[0].rfind("problem The profiles could not be renumbered (", 0), 0u);
    EXPECT_NE(log.calls[0].find("str1.ini"), std::string::npos);
    EXPECT_EQ(log.calls[0].find("stay as they were"), std::string::npos);
    log.calls.clear();

    ProfileSaveResult saved = c.SaveProfile();
    EXPECT_TRUE(saved.blocked);
    EXPECT_NE(SaveProblemText(saved, "EN").find("str1.ini"), std::string::npos);
    EXPECT_FALSE(c.OpenProfileManager(1));
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_NE(log.calls[0].find("cannot be finished"), std::string::npos);

    std::filesystem::remove_all(obstacle);
    saved = c.SaveProfile();
    EXPECT_TRUE(saved.Whole());
    // P2 (stored profile 1) is entry 0 now: its record and the edit went to config0.bin.
    EXPECT_EQ(store.currentProfileIndex, 0);
    EXPECT_EQ(folder.Read("config0.bin")[1 + offsetof(MouseConfig, sensitivityX)], 9);
    EXPECT_EQ(folder.Read("config1.bin")[1 + offsetof(MouseConfig, sensitivityX)], 4);
    EXPECT_EQ(ListOf(folder).Name(0), "P2");
}

// A renumbering that a kill left and that cannot be finished at start is told, never loaded:
// the record stays the defaults and nothing is sent or saved.
TEST_F(MainControllerTest, ARenumberingThatCannotBeFinishedAtStartIsToldAndNothingIsRead) {
    WriteThreeProfiles(folder, 2);
    folder.Write("config2.bin.renumber", RecordFileBytes(DefaultRecord()));
    std::filesystem::remove(folder.Path("config2.bin"));
    std::filesystem::create_directories(folder.Path("config2.bin/x"));
    folder.Write(std::string(kProfileJournalFile), "config2.bin\n");
    MainController& c = Make();
    c.Start();
    EXPECT_FALSE(c.ProfileLoaded());
    EXPECT_EQ(c.DataProblemNotice().rfind("The profiles were being renumbered", 0), 0u);
    EXPECT_NE(c.DataProblemNotice().find("config2.bin"), std::string::npos);
    c.ShowPresence();
    EXPECT_EQ(log.calls.front().rfind("problem The profiles were being renumbered", 0), 0u);
    log.calls.clear();
    EXPECT_EQ(c.ApplyFlow(), WriteStart::NotLoaded);
    EXPECT_TRUE(c.SaveProfile().blocked);
    EXPECT_TRUE(std::filesystem::exists(folder.Path("config2.bin.renumber")));
}

TEST_F(MainControllerTest, UnplugShowsTheWarningBeforeTheIconGoesAndPlugBringsItBack) {
    MainController& c = Started();
    DiagnosticCapture capture;
    mouse.Unplug();
    DeliverNotices();
    EXPECT_TRUE(capture.Contains("The system did not detect the Vorlak."));
    // Both collections report their removal; the second finds the icon gone and stays silent.
    EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(),
                         "Warning: The system did not detect Vorlak! (100)"),
              1);
    EXPECT_LT(log.IndexOf("Warning: The system did not detect Vorlak! (100)"),
              log.IndexOf("remove"));
    EXPECT_LT(log.IndexOf("hide"), log.IndexOf("remove"));
    EXPECT_FALSE(c.DeviceConnected());

    log.calls.clear();
    c.ShowFromTray();  // the icon is gone: nothing happens
    EXPECT_TRUE(log.calls.empty());

    c.Editor().SetSensitivityX(3);  // dropped by the reload on arrival
    mouse.PlugIn();
    DeliverNotices();
    EXPECT_TRUE(c.DeviceConnected());
    EXPECT_TRUE(log.Has("add Vorlak"));
    EXPECT_TRUE(log.Has("Info: The system detect Vorlak. (100)"));
    EXPECT_FALSE(log.Has("show"));
    EXPECT_NE(store.currentConfig.sensitivityX, 3);

    // The listener of the new event collection delivers the DPI button.
    log.calls.clear();
    mouse.PressDpiButton();
    RunEvents(1);
    EXPECT_EQ(log.calls,
              std::vector<std::string>{"Info: Switch DPI into the second stage 1000 (5000)"});
}

TEST_F(MainControllerTest, NoticesOfOtherDevicesAndLowerCaseRemovalsChangeNothing) {
    MainController& c = Started();
    const DeviceNotice ignored[] = {
        {DeviceNotice::Kind::Arrival, R"(\\?\HID#VID_046D&PID_C52B&MI_00#hidraw1)"},
        {DeviceNotice::Kind::Removal, R"(\\?\HID#VID_046D&PID_C52B&MI_00#hidraw1)"},
        {DeviceNotice::Kind::Removal, R"(\\?\hid#vid_04d9&pid_a168&mi_01#hidraw3)"},
    };
    for (const DeviceNotice& notice : ignored)
        c.OnDeviceNotice(notice);
    ui.RunPending();
    EXPECT_TRUE(log.calls.empty());
    EXPECT_TRUE(c.DeviceConnected());
}

TEST_F(MainControllerTest, DoubleClickReloadsTheProfileAndShowsTheWindow) {
    MainController& c = Started();
    c.Editor().SetSensitivityX(3);
    c.ShowFromTray();
    EXPECT_NE(store.currentConfig.sensitivityX, 3);
    EXPECT_EQ(log.calls, std::vector<std::string>{"show"});
}

// Apply, a tray reopen and the mouse's arrival show the current profile again: told as
// Reloaded, so the views keep their open sections; a profile switch is another record.
TEST_F(MainControllerTest, TheCurrentProfileAgainIsToldAsReloaded) {
    MainController& c = Started();
    std::vector<RecordPart> told;
    c.Editor().AddObserver([&](const RecordChange& change) {
        if (change.part == RecordPart::Whole || change.part == RecordPart::Reloaded)
            told.push_back(change.part);
    });
    ASSERT_TRUE(Apply());
    c.ShowFromTray();
    ui.RunPending();
    mouse.Unplug();
    DeliverNotices();
    mouse.PlugIn();
    DeliverNotices();
    // Apply, the reopen, and each of the arriving mouse's two interfaces.
    EXPECT_EQ(told, std::vector<RecordPart>(4, RecordPart::Reloaded));
    told.clear();
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    ASSERT_GE(list.AddNew("Profile"), 0);
    ASSERT_TRUE(c.OpenProfileManager(0));
    CloseManager(list, 1);  // the commit runs on the disk writer
    EXPECT_EQ(told, std::vector<RecordPart>{RecordPart::Whole});
}

TEST(DeviceEventNoticeTest, TextsTitlesAndTimes) {
    const UiTextTable text = FillTextTable("EN");
    MouseConfig saved{};
    ResetToDefaults(saved);
    saved.dpiLevel[2] = 19;
    struct Case {
        int code, value;
        std::optional<std::string> text;
        std::string title;
        int ms;
    };
    const Case cases[] = {
        {2, 3, "Switch DPI into the third stage 2000", "Info", 5000},
        {1, 1, text.TxtDpiStage1 + FormatDpiLabel(saved, 0), "Info", 5000},
        {3, 7, text.TxtDpiStage7 + FormatDpiLabel(saved, 6), "Info", 5000},
        {1, 8, std::nullopt, "", 0},
        {1, 0, std::nullopt, "", 0},
        {9, 2, "Switch to macro key2", "Info", 5000},
        {9, 0, std::nullopt, "", 0},
        {4, 1, std::nullopt, "", 0},
    };
    const auto expect = [](const std::optional<Notice>& notice, const Case& c) {
        ASSERT_EQ(notice.has_value(), c.text.has_value()) << c.code << " " << c.value;
        if (notice) {
            EXPECT_EQ(notice->text, *c.text);
            EXPECT_EQ(notice->title, c.title);
            EXPECT_EQ(notice->displayMs, c.ms);
        }
    };
    for (const Case& c : cases)
        expect(DeviceEventNotice(c.code, c.value, text, saved), c);
    // The system found the mouse, or lost it.
    expect(PresenceNotice(true, text), {14, 0, "The system detect Vorlak.", "Info", 100});
    expect(PresenceNotice(false, text),
           {15, 0, "The system did not detect Vorlak!", "Warning", 100});
}

TEST(DeviceNamePatternTest, ArrivalAndRemovalPatterns) {
    struct Case {
        const char* name;
        std::optional<std::uint16_t> arrivalProduct;
        bool removal;
    };
    const Case cases[] = {
        {R"(\\?\HID#VID_04D9&PID_A168&MI_01#hidraw3)", kPrimaryProductId, true},
        {R"(\\?\HID#VID_04d9&PID_a168&MI_01#x)", kPrimaryProductId, false},
        {R"(\\?\HID#Vid_04d9&Pid_a168#x)", std::nullopt, true},
        {R"(\\?\HID#VID_260D&PID_1010#hidraw5)", kSecondaryProductId, true},
        {R"(\\?\HID#VID_260d&PID_1010#x)", kSecondaryProductId, true},
        {R"(\\?\HID#vid_04d9&pid_a168#x)", std::nullopt, false},
        {R"(\\?\HID#VID_046D&PID_C52B#x)", std::nullopt, false},
    };
    for (const Case& c : cases) {
        const std::optional<HidIdentity> identity = ArrivalIdentity(c.name);
        EXPECT_EQ(identity ? std::optional(identity->productId) : std::nullopt, c.arrivalProduct)
            << c.name;
        EXPECT_EQ(IsMouseRemoval(c.name), c.removal) << c.name;
    }
}

TEST(TaskQueueTest, RunsTasksInOrderAlsoFromOtherThreadsAndTimesOut) {
    TaskQueue queue;
    std::vector<int> order;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i)
            queue.Post([&order, i] { order.push_back(i); });
    });
    EXPECT_TRUE(queue.RunUntil([&] { return order.size() == 100; }, 10s));
    poster.join();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    EXPECT_FALSE(queue.RunUntil([] { return false; }, 10ms));
}

// Apply sent all twelve macro blocks and every other step on every press (6.4 s).
TEST_F(MainControllerTest, AnApplySendsOnlyTheStepsThatChanged) {
    MainController& c = Started();
    EXPECT_EQ(StepsOfNextApply().size(), 19u);  // the first after the start: every step

    c.Editor().SetDpiCode(0, 30);
    EXPECT_EQ(StepsOfNextApply(), std::vector<std::string>{"DPI levels"});
    EXPECT_EQ(mouse.Memory().dpiLevels[0], 30);
    EXPECT_EQ(log.calls.back(), "note Sent to the mouse and saved.");

    MouseConfig edited = store.currentConfig;
    edited.KeyFunction[3] = kFnDeactivated;  // Button 4, in the base matrix
    edited.macroSlot[6][0] = 0x42;
    c.Editor().Replace(edited, c.Editor().Labels());
    EXPECT_EQ(StepsOfNextApply(), (std::vector<std::string>{"key matrix 0", "macro 7 of 12"}));
    EXPECT_EQ(mouse.Memory().macros[6][0], 0x42);

    // Nothing changed: nothing goes out, and the profile is saved all the same.
    folder.Write("config0.bin", RecordFileBytes(DefaultRecord()));
    log.calls.clear();
    EXPECT_TRUE(StepsOfNextApply().empty());
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{
                  "busy", "idle", "note The mouse is already up to date; the profile was saved."}));
    EXPECT_EQ(folder.Read("config0.bin"), RecordFileBytes(store.currentConfig));
    EXPECT_EQ(c.LastApply().stepsToSend, 0);
}

// Whatever may have reached the mouse meanwhile, or whatever it may have missed, makes the
// next Apply send every step again.
TEST_F(MainControllerTest, EveryStepGoesOutAgainWhenTheImageIsInDoubt) {
    struct Case {
        const char* name;
        std::function<void()> doubt;
        std::size_t sent;
    };
    const Case cases[] = {
        {"vorlakctl apply --full", [this] { controller->ForceFullApply(); }, 19},
        {"the mouse arrived again",
         [this] {
             mouse.Unplug();
             DeliverNotices();
             mouse.PlugIn();
             DeliverNotices();
         },
         19},
        {"a step failed",
         [this] {
             controller->Editor().SetSensitivityX(3);
             std::string reply;
             RunSimulatedMouseLine(mouse, "fail 1 EIO", reply);
             EXPECT_EQ(StepsOfNextApply(), std::vector<std::string>{"sensitivity"});
             EXPECT_FALSE(controller->LastApply().MouseTook());
         },
         19},
        {"unplugged during a write",
         [this] {
             controller->Editor().SetSensitivityX(4);
             controller->Editor().SetPollingDivisor(8);
             gate.Hold();
             bool done = false;
             controller->ApplyFlow([&] { done = true; });
             gate.WaitUntilReached();  // the polling rate went out, the sensitivity not yet
             mouse.Unplug();
             gate.Release();
             ASSERT_TRUE(ui.RunUntil([&] { return done; }, 30s));
             EXPECT_EQ(controller->LastApply().stepsSent, 1);
             mouse.PlugIn();
             DeliverNotices();
         },
         19},
        {"a profile import",
         [this] {
             const auto chosen = folder.Write("mine.bin", RecordFileBytes(store.currentConfig));
             ASSERT_TRUE(controller->OpenProfileManager(0));
             EXPECT_EQ(controller->ImportChosenProfile(chosen).result, ImportResult::Imported);
             CloseManager(ListOf(folder), 0);
         },
         19},
        {"the window's start", [this] { Make().Start(); }, 19},
        {"vorlakctl's start on the same plug", [this] { Make(/*keepImageAtStart=*/true).Start(); },
         0},
        {"vorlakctl's start after a plug it did not see",
         [this] {
             controller.reset();
             mouse.Unplug();
             mouse.PlugIn();
             mouse.TakeNotices();
             Make(/*keepImageAtStart=*/true).Start();
         },
         19},
        {"the kept image file damaged",
         [this] { runtime.Write("vorlak-kept-image", "vorlak-kept-image 1\n"); }, 19},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Started();
        StepsOfNextApply();  // the mouse holds every step of the record
        ASSERT_TRUE(StepsOfNextApply().empty());
        k.doubt();
        EXPECT_EQ(StepsOfNextApply().size(), k.sent);
        EXPECT_TRUE(StepsOfNextApply().empty());
    }
}

}  // namespace
}  // namespace vorlak
