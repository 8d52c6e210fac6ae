// SPDX-License-Identifier: GPL-3.0-or-later
// Apply as the user waits for it (the steps sent with their real pauses, then the profile
// files saved) against the simulated mouse, beside the sum of the pauses of the steps sent;
// then the CPU the idle listener uses in ten seconds.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <thread>

#include "app/main_controller.h"
#include "app/task_queue.h"
#include "config/default_data_files.h"
#include "device/simulated_mouse.h"
#include "platform/linux/fsync_durable_sync.h"

namespace {

using namespace vorlak;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct QuietPointer : PointerSettings {
    bool SetMouseAcceleration(int, int, int) override { return true; }
    bool SetMouseSpeed(int) override { return true; }
    bool SetWheelScrollLines(std::uint32_t) override { return true; }
    bool SetDoubleClickTime(int) override { return true; }
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
    void CloseProfileManager() override {}
    void ShowDataProblem(const std::string&) override {}
    bool problem = false;
};

// The window's controller over the simulated mouse, with the real pauses.
struct Bench {
    explicit Bench(const std::filesystem::path& folder)
        : controller(ControllerParts{store, mouse, pointer, ui, tray, view, DataFolder(folder)}) {
        controller.SetTrace([this](const Transfer& t) {
            if (t.kind == Transfer::Kind::Pause)
                pauses += t.pause;
        });
    }

    // One Apply: its wall time and the pauses it kept, in seconds.
    void Apply(const char* row) {
        pauses = {};
        bool done = false;
        const auto start = Clock::now();
        controller.ApplyFlow([&] { done = true; });
        ui.RunUntil([&] { return done; }, std::chrono::minutes(1));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double binding = std::chrono::duration<double>(pauses).count();
        std::printf("%-34s wall %.3f s, pauses of the steps sent %.3f s, ratio %.4f%s\n", row, wall,
                    binding, binding > 0 ? wall / binding : 0.0,
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

}  // namespace

int main() {
    InstallFsyncDurableSync();  // the profile files are flushed as the programs flush them
    const auto folder = std::filesystem::temp_directory_path() / "vorlak-bench-apply";
    std::filesystem::remove_all(folder);
    WriteDefaultDataFiles(folder);
    {
        Bench bench(folder);
        if (!bench.controller.Start())
            return 1;
        bench.Apply("full Apply (goal ratio <= 1.01):");

        const double cpuBefore = CpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        std::printf("idle listener: %.4f s CPU in 10 s\n", CpuSeconds() - cpuBefore);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
