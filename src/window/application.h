// SPDX-License-Identifier: GPL-3.0-or-later
// The application: the single-instance rule, the splash, the main window with its
// controller and tray icon, the mouse's hot-plug notices, and the run until Exit.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "record/data_folder.h"

class QApplication;

namespace vorlak {

class MainWindow;
class InstanceLock;
class MainController;
class QtTrayIcon;
class QtUiDispatcher;
class PointerSettings;
struct MouseDevices;
class SimulatedMouseInput;
struct ConfigStore;

struct AppOptions {
    bool simulate = false;  // the simulated mouse, driven by lines on standard input
    bool help = false;      // --help: print the usage and end
    bool version = false;   // --version: print the version and end
    std::optional<std::filesystem::path> dataDir;
    // The executable's folder: the Skins lie here or in the installed shared folder.
    std::filesystem::path programFolder;
};

// The --help text.
extern const char* const kAppHelp;

// Reads --simulate, --data-dir, --help and --version; none for anything else (the message
// says why).
std::optional<AppOptions> ParseAppOptions(int argc, char** argv, std::string& problem);

// Ends the program's event loop without asking its windows: QApplication::quit() first
// asks every window to close, and the main window's close only hides it, which cancels
// the quit.
void EndEventLoop();

class Application : public QObject {
    Q_OBJECT
public:
    Application(QApplication& application, AppOptions options);
    ~Application() override;

    // Runs the application until the tray menu's Exit. False at once, showing nothing and
    // touching no device, when another instance runs.
    bool StartApplication();
    // Stops the listener and releases the instance lock.
    void ExitApplication();

    MainWindow* Window() const { return window_.get(); }

private:
    void ChooseFolders();
    void TakeSharedLocks();
    static std::string WindowHolder();
    void OfferAutostart();
    void ChooseTrayMode();
    void TellNoTray();
    void WatchHotplug();
    void DeliverNotices();
    void ReadSimulatedMouseLines();

    QApplication& application_;
    AppOptions options_;
    std::filesystem::path programFolder_;  // the folder that holds Skins/
    DataFolder dataFolder_;
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<InstanceLock> folderLock_;
    std::unique_ptr<InstanceLock> mouseLock_;  // the real mouse only
    std::unique_ptr<ConfigStore> store_;
    std::unique_ptr<MouseDevices> devices_;
    std::unique_ptr<PointerSettings> pointerSettings_;
    std::unique_ptr<QtUiDispatcher> dispatcher_;
    std::unique_ptr<QtTrayIcon> tray_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MainController> controller_;
    std::unique_ptr<QSocketNotifier> hotplugNotifier_;
    std::unique_ptr<QSocketNotifier> inputNotifier_;
    std::unique_ptr<SimulatedMouseInput> simulatedInput_;
};

}  // namespace vorlak
