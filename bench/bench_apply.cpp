// SPDX-License-Identifier: GPL-3.0-or-later
// One full Apply against the simulated mouse with its real pauses, beside the sum of the
// pauses the sequence must keep; then the CPU the idle listener uses in ten seconds.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <thread>

#include "config/default_data_files.h"
#include "device/device_commands.h"
#include "device/simulated_mouse.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

int main() {
    using namespace vorlak;
    const auto folder = std::filesystem::temp_directory_path() / "vorlak-bench-apply";
    std::filesystem::remove_all(folder);
    WriteDefaultDataFiles(folder);

    SimulatedMouse mouse;
    ConfigStore store;
    std::chrono::milliseconds pauses{0};
    HidTransport transport(mouse, store, RealSleeper());
    transport.SetTrace([&pauses](const Transfer& t) {
        if (t.kind == Transfer::Kind::Pause)
            pauses += t.pause;
    });
    if (!transport.FindDevice(kPrimaryVendorId, kPrimaryProductId))
        return 1;
    DeviceCommands commands(transport, store);
    ProfileFiles files{DataFolder(folder), store};
    files.LoadCurrentProfile();
    files.LoadProfileSettings("Setting-EN");

    const auto start = Clock::now();
    commands.ApplyToMouse(store.currentConfig, files, "Setting-EN", files.Settings().entryLabel);
    const std::chrono::duration<double> wall = Clock::now() - start;
    const double binding = std::chrono::duration<double>(pauses).count();
    std::printf("apply: wall %.3f s, binding pauses %.3f s, ratio %.4f (goal <= 1.01)\n",
                wall.count(), binding, wall.count() / binding);

    transport.StartListener([](int, int) {});
    const double cpuBefore = CpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    std::printf("idle listener: %.4f s CPU in 10 s\n", CpuSeconds() - cpuBefore);
    transport.StopListener();
    std::filesystem::remove_all(folder);
    return 0;
}
