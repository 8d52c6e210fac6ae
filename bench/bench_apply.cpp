// SPDX-License-Identifier: GPL-3.0-or-later
// Apply as the user waits for it (the steps sent with their real pauses, then the profile
// files saved) against the simulated mouse, beside the sum of the pauses of the steps sent:
// a full Apply, then Applies after one change (a DPI value, a button, a macro, a switch to a
// profile that differs in buttons and DPI only) and without one; then the CPU the idle listener
// uses in ten seconds.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <thread>

#include "controller/main_controller.h"
#include "controller/task_queue.h"
#include "device/simulated_mouse.h"
#include "platform/linux/fsync_durable_sync.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_list.h"
#include "record/ini_file.h"

namespace {

using namespace vorlak;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct QuietPointer : PointerSettings {
    std::string DesktopName() const override { return "bench"; }
    PointerResult SetMouseAcceleration(int, int, int) override { return PointerResult::Taken(); }
    PointerResult SetMouseSpeed(int) override { return PointerResult::Taken(); }
    PointerResult SetWheelScrollLines(std::uint32_t) override { return PointerResult::Taken(); }
    PointerResult SetDoubleClickTime(int) override { return PointerResult::Taken(); }
};
struct QuietTray : TrayIcon {
    void AddTrayIcon(const std::string&) override {}
    void RemoveTrayIcon() override {}
    void ShowNotice(const std::string&, const std::string&, int) override {}
};
struct QuietView : MainView {
    void HideToTray() override {}
    void ShowFromTray() override {}
    void ShowRecord() override {}
    void SetBusy(bool) override {}
    void ShowApplyProgress(const ApplyProgressStep&) override {}
    void ShowApplyOutcome(const ApplyReport& report) override { problem = report.problem; }
    void CloseProfileManager() override { ++managerCloses; }
    void ShowDataProblem(const std::string&) override {}
    void ShowPointerNotice(const PointerNotice&) override {}
    bool problem = false;
    int managerCloses = 0;
};

// The window's controller over the simulated mouse, with the real pauses.
struct Bench {
    explicit Bench(const std::filesystem::path& folder)
        : controller(ControllerParts{store, mouse, pointer, ui, tray, view, DataFolder(folder),
                                     RealSleeper(), folder / "vorlak-kept-image"}) {
        controller.SetTrace([this](const Transfer& t) {
            if (t.kind == Transfer::Kind::Pause)
                pauses += t.pause;
        });
    }

    // One Apply: its wall time and the pauses it kept, in seconds, and the goal of the row.
    void Apply(const char* row, const char* goal) {
        pauses = {};
        bool done = false;
        const auto start = Clock::now();
        controller.ApplyFlow([&] { done = true; });
        ui.RunUntil([&] { return done; }, std::chrono::minutes(1));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double binding = std::chrono::duration<double>(pauses).count();
        std::printf(
            "%-40s wall %6.3f s, %2d steps, pauses of the steps sent %6.3f s, ratio %s (goal "
            "%s)%s\n",
            row, wall, controller.LastApply().stepsToSend, binding,
            binding > 0 ? std::to_string(wall / binding).substr(0, 6).c_str() : "-", goal,
            done && !view.problem ? "" : " (FAILED)");
    }

    ConfigStore store;
    SimulatedMouse mouse;
    QuietPointer pointer;
    TaskQueue ui;
    QuietTray tray;
    QuietView view;
    MainController controller;
    std::chrono::milliseconds pauses{0};
};

// Two profiles that differ in buttons and DPI only: the second has two other buttons, a Shift
// entry and two other DPI stages.
void WriteTwoProfiles(const std::filesystem::path& folder) {
    MouseConfig second = DefaultRecord();
    second.KeyFunction[3] = 13;  // deactivated
    second.KeyFunction[4] = 13;
    second.KeyFunction[10] = 13;
    second.dpiLevel[0] = 7;
    second.dpiLevel[4] = 44;
    std::ofstream(folder / RecordFileName(1), std::ios::binary) << RecordFileBytes(second);
    std::filesystem::copy_file(folder / "str0.ini", folder / "str1.ini",
                               std::filesystem::copy_options::overwrite_existing);
    IniFile list = IniFile::Open(folder / "str.ini");
    ProfileList({{"Work", {0, false}}, {"Play", {1, false}}}).WriteTo(list, 0);
    list.Save();
}

}  // namespace

int main() {
    InstallFsyncDurableSync();  // the profile files are flushed as the programs flush them
    const auto folder = std::filesystem::temp_directory_path() / "vorlak-bench-apply";
    std::filesystem::remove_all(folder);
    WriteDefaultDataFiles(folder);
    WriteTwoProfiles(folder);
    {
        Bench bench(folder);
        if (!bench.controller.Start())
            return 1;
        RecordEditor& editor = bench.controller.Editor();
        bench.Apply("full Apply (the first after the start):", "<= 1.01 x the pauses");
        editor.SetDpiCode(2, 31);
        bench.Apply("one DPI value changed:", "<= 0.5 s");
        const MacroStore macros(bench.controller.Files().MacroStorePath());
        editor.AssignEntry(3, PlainChoice{13},
                           {bench.controller.Text(), bench.controller.LanguageCode(), macros});
        bench.Apply("one button reassigned:", "<= 0.6 s");
        std::array<Byte, kMacroSlotSize> macro{};
        macro.fill(0x21);
        editor.SetMacroSlot(4, macro);
        bench.Apply("one macro edited:", "<= 1.0 s");
        bench.Apply("no change:", "none");
        for (int profile : {1, 0}) {
            bench.controller.OpenProfileManager(bench.store.currentProfileIndex);
            const int closes = bench.view.managerCloses;
            bench.controller.ProfileManagerClosed(
                ProfileList::Read(IniFile::Open(folder / "str.ini")), profile);
            bench.ui.RunUntil([&] { return bench.view.managerCloses > closes; },
                              std::chrono::seconds(10));
            bench.Apply(profile == 1 ? "switch to a profile (buttons, DPI):" : "and back:",
                        "<= 1.5 s");
        }
        bench.controller.ForceFullApply();
        bench.Apply("full Apply (vorlakctl apply --full):", "<= 1.01 x the pauses");

        const double cpuBefore = CpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        std::printf("idle listener: %.4f s CPU in 10 s\n", CpuSeconds() - cpuBefore);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
