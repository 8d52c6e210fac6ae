// SPDX-License-Identifier: GPL-3.0-or-later
// One run of vorlakctl: its options, the devices, the store and the controller that the
// window would drive.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/console_frontend.h"
#include "controller/main_controller.h"
#include "controller/task_queue.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/linux/mouse_devices.h"

namespace vorlak {

// Says on standard error that no mouse was found; returns the exit status for it.
inline int NoMouse() {
    std::cerr << "vorlakctl: no Vorlak mouse found\n";
    return kExitNoMouse;
}

// The command line of one run: the program's options, then the command and its words.
struct Options {
    bool simulate = false;
    bool trace = false;
    std::vector<std::string> simulatedLines;  // run on the simulated mouse before the command
    std::optional<std::filesystem::path> dataDir;
    std::chrono::seconds wait{0};  // how long to wait for a lock another program holds
    std::vector<std::string> command;
};

// One run: the devices, the store and the controller the window would drive.
class Session {
public:
    Session(const Options& options, DataFolder folder);

    MouseDevices& Hardware() { return devices_; }
    MainController& Controller() { return controller_; }
    TaskQueue& Queue() { return queue_; }
    const ConsoleTray& Tray() const { return tray_; }

    // The data folder as the window reads it at start, without the mouse: the profile list,
    // the current profile's language and labels, and its record when it can be read. Throws a
    // data-file error naming the file, why and what to do when no profile is listed.
    void LoadDataFolder();
    // LoadDataFolder, for a command that needs the current profile's record: throws a
    // data-file error naming the file, why and what to do when it cannot be read.
    void LoadCurrentProfile();
    // Writes the working record and labels into the current profile's files as Apply's save
    // does, without the mouse. Throws a data-file error naming the file and why.
    void SaveCurrentProfile(RecordFileRule rule = RecordFileRule::OnlyIfItExists);
    // Loads the current profile, runs edit on it and saves it when edit changed something.
    // edit returns true when it did.
    int EditCurrentProfile(const std::function<bool(MainController&)>& edit);

private:
    ConfigStore store_;
    MouseDevices devices_;
    DeferredDesktopPointerSettings pointerSettings_;
    TaskQueue queue_;
    ConsoleTray tray_;
    ConsoleView view_;
    MainController controller_;
};

}  // namespace vorlak
