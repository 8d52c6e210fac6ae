// One run of vorlakctl: its options, the devices, the store and the controller that the
// window would drive.
#pragma once

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_controller.h"
#include "app/task_queue.h"
#include "cli/console_frontend.h"
#include "platform/linux/gsettings_pointer_settings.h"
#include "platform/linux/mouse_devices.h"

namespace vorlak {

inline constexpr int kExitNoMouse = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitDataFile = 3;

// Says on standard error that no mouse was found; returns the exit status for it.
inline int NoMouse() {
    std::cerr << "vorlakctl: no Vorlak mouse found\n";
    return kExitNoMouse;
}

// The command line of one run.
struct Options {
    bool simulate = false;
    bool trace = false;
    std::optional<std::filesystem::path> dataDir;
    std::vector<std::string> command;
};

// One run: the devices, the store and the controller the window would drive.
class Session {
public:
    Session(const Options& options, DataFolder folder);

    MouseDevices& Hardware() { return devices_; }
    MainController& Controller() { return controller_; }
    TaskQueue& Queue() { return queue_; }

private:
    ConfigStore store_;
    MouseDevices devices_;
    GSettingsPointerSettings pointerSettings_;
    TaskQueue queue_;
    ConsoleTray tray_;
    ConsoleView view_;
    MainController controller_;
};

}  // namespace vorlak
