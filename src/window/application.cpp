// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application.h"

#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>

#include <QTimer>

#include <cstdlib>
#include <iostream>

#include "common/diagnostics.h"
#include "controller/autostart_entry.h"
#include "controller/main_controller.h"
#include "controls/menu_frame_look.h"
#include "controls/skin_path.h"
#include "device/simulated_mouse_script.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/linux/executable_path.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/mouse_devices.h"
#include "profiles/install_folders.h"
#include "skin/skin_names.h"
#include "text/no_tray_text.h"
#include "window/main_window.h"
#include "window/qt_tray_icon.h"
#include "window/qt_ui_dispatcher.h"
#include "window/splash_screen.h"

namespace vorlak {

const char* const kAppHelp =
    "usage: vorlak [--simulate] [--data-dir DIR]\n"
    "\n"
    "The Vorlak mouse's configuration window; it lives in the tray and shows itself while\n"
    "the mouse is plugged in.\n"
    "\n"
    "  --simulate      use the built-in simulated mouse (lines on standard input drive it:\n"
    "                  dpi, macro N, unplug, plug, describe, and fail N ERROR, which makes\n"
    "                  the Nth transfer from then on fail with EIO, EPIPE, ENODEV ...)\n"
    "  --data-dir DIR  the data folder (also VORLAK_DATA_DIR); otherwise the program's own\n"
    "                  folder when it holds the data files, else ~/.config/vorlak\n"
    "  --help          this text\n"
    "  --version       the version\n"
    "\n"
    "VORLAK_DEBUG=1 prints diagnostic lines, among them the folders chosen.\n";

std::optional<AppOptions> ParseAppOptions(int argc, char** argv, std::string& problem) {
    AppOptions options;
    options.programFolder = ComputeProgramFolder(CurrentExecutablePath());
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--data-dir" && i + 1 < argc) {
            options.dataDir = argv[++i];
        } else if (arg.rfind("--data-dir=", 0) == 0) {
            options.dataDir = std::string(arg.substr(11));
        } else {
            problem = "unknown argument: " + std::string(arg);
            return std::nullopt;
        }
    }
    return options;
}

void EndEventLoop() {
    QCoreApplication::exit(0);
}

Application::Application(QApplication& application, AppOptions options)
    : application_(application),
      options_(std::move(options)),
      programFolder_(options_.programFolder) {}

Application::~Application() {
    ExitApplication();
}

QIcon ApplicationIcon(const std::filesystem::path& programFolder) {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 256})
        icon.addFile(SkinPath(programFolder, skin::InSkins(skin::AppIcon(size))));
    return icon;
}

// Long enough to read the settings the desktop kept.
constexpr int kPointerNoticeMs = 10000;

bool Application::StartApplication() {
    // Another instance ends this one silently; a lock that cannot be made at all does not
    // keep the user from the program.
    lock_ = std::make_unique<InstanceLock>(InstanceLock::DefaultFolder(), kInstanceLockName,
                                           WindowHolder());
    if (lock_->Status() == InstanceLock::State::HeldElsewhere)
        return false;
    application_.setQuitOnLastWindowClosed(false);
    InstallMenuFrameLook(application_);
    // The program goes inactive when the keyboard focus leaves all its windows, also when
    // another client grabs the keyboard, and Qt then closes any open menu: the diagnostic
    // channel tells each change, so that a script knows when a menu may stay open.
    connect(&application_, &QGuiApplication::applicationStateChanged, this,
            [](Qt::ApplicationState state) {
                Diagnostic(state == Qt::ApplicationActive ? "The program is active.\n"
                                                          : "The program is inactive.\n");
            });
    ChooseFolders();

    SplashScreen(programFolder_).exec();  // first, so that it is on screen at once
    TakeSharedLocks();

    const QIcon icon = ApplicationIcon(programFolder_);
    application_.setWindowIcon(icon);

    store_ = std::make_unique<ConfigStore>();
    devices_ = std::make_unique<MouseDevices>(options_.simulate);
    pointerSettings_ = DesktopPointerSettings();
    dispatcher_ = std::make_unique<QtUiDispatcher>(this);
    tray_ = std::make_unique<QtTrayIcon>(icon);
    window_ = std::make_unique<MainWindow>(programFolder_);
    controller_ = std::make_unique<MainController>(ControllerParts{
        *store_, *devices_->backend, *pointerSettings_, *dispatcher_, *tray_, *window_, dataFolder_,
        RealSleeper(), KeptImageFileIn(std::getenv("XDG_RUNTIME_DIR"), options_.simulate)});
    window_->SetController(*controller_);

    const bool present = controller_->Start();
    window_->BuildWindow();
    tray_->SetExitText(QString::fromStdString(controller_->Text().TxtExit));
    OfferAutostart();
    connect(tray_.get(), &QtTrayIcon::DoubleClicked, this, [this] { controller_->ShowFromTray(); });
    connect(tray_.get(), &QtTrayIcon::MenuAboutToShow, window_.get(), &QWidget::raise);
    // A running write ends first, so that its snapshot and pointer settings are not lost.
    auto exit = [this] { controller_->WhenIdle(EndEventLoop); };
    connect(tray_.get(), &QtTrayIcon::ExitChosen, this, exit);
    connect(window_.get(), &MainWindow::ExitRequested, this, exit);
    connect(window_.get(), &MainWindow::NoticeReady, this,
            [this](const QString& title, const QString& text) {
                tray_->ShowNote(title, text, kPointerNoticeMs);
            });
    ChooseTrayMode();
    controller_->ShowPresence();
    if (present)
        window_->show();
    WatchHotplug();
    application_.exec();
    return true;
}

void Application::ExitApplication() {
    hotplugNotifier_.reset();
    inputNotifier_.reset();
    controller_.reset();  // waits for a running write, stops the listener, closes the mouse
    tray_.reset();
    window_.reset();
    mouseLock_.reset();
    folderLock_.reset();
    lock_.reset();
}

// "the Vorlak window (process N)": how vorlakctl names the holder of a lock.
std::string Application::WindowHolder() {
    return "the Vorlak window (process " + std::to_string(QCoreApplication::applicationPid()) + ")";
}

// The data folder and the mouse are the window's while it runs: vorlakctl writes neither
// meanwhile. A vorlakctl command that holds one ends soon; one that keeps it (events) is
// left to it.
void Application::TakeSharedLocks() {
    constexpr std::chrono::seconds kWait(3);
    const std::filesystem::path runtime = InstanceLock::DefaultFolder();
    folderLock_ = std::make_unique<InstanceLock>(runtime, DataFolderLockName(dataFolder_.Folder()),
                                                 WindowHolder(), kWait);
    if (!options_.simulate)
        mouseLock_ = std::make_unique<InstanceLock>(runtime, kMouseLockName, WindowHolder(), kWait);
    for (const InstanceLock* lock : {folderLock_.get(), mouseLock_.get()}) {
        if (lock && lock->Status() == InstanceLock::State::HeldElsewhere)
            Diagnostic("Left to its holder: %s\n", lock->Holder().c_str());
    }
}

// The data folder is made ready before anything reads it; a folder that cannot be used is
// named on standard error (the controller then reports the profile it could not read).
void Application::ChooseFolders() {
    const RunFolders folders = ChooseRunFolders(options_.dataDir, options_.programFolder);
    programFolder_ = folders.skinRoot;
    dataFolder_ = folders.data;
    const DataFolderReady ready = PrepareDataFolder(folders.data.Folder(), folders.defaults);
    if (ready.problem)
        std::cerr << "vorlak: " << ready.problem->Describe() << "\n";
}

void Application::OfferAutostart() {
    const std::filesystem::path entry =
        AutostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::error_code error;
    tray_->SetAutostartItem(QString::fromUtf8(AutostartItemText(controller_->LanguageCode())),
                            std::filesystem::exists(entry, error));
    connect(tray_.get(), &QtTrayIcon::AutostartToggled, this, [this, entry](bool on) {
        std::error_code failure;
        if (!SetAutostart(entry, on, CurrentExecutablePath(), failure)) {
            Diagnostic("Cannot change %s: %s\n", entry.c_str(), failure.message().c_str());
            tray_->SetAutostartItem(
                QString::fromUtf8(AutostartItemText(controller_->LanguageCode())), !on);
        }
    });
}

// An autostarted program often starts before the panel that hosts the tray: without a tray
// at start it looks again for ten seconds before it takes to the no-tray mode.
void Application::ChooseTrayMode() {
    if (QSystemTrayIcon::isSystemTrayAvailable())
        return;
    constexpr int kLookEveryMs = 500;
    constexpr int kLooks = 20;
    auto* look = new QTimer(this);
    connect(look, &QTimer::timeout, this, [this, look, left = kLooks]() mutable {
        const bool found = QSystemTrayIcon::isSystemTrayAvailable();
        if (found || --left == 0) {
            if (window_)  // gone when the program ended meanwhile
                window_->SetTrayPresent(found);
            if (!found && controller_)
                TellNoTray();
            look->deleteLater();
        }
    });
    look->start(kLookEveryMs);
}

// Once, when the program settles without a tray: the desktop's notification says what the
// window does instead and names the extension that gives GNOME a tray.
void Application::TellNoTray() {
    const NoTrayTexts texts = NoTrayTextsFor(controller_->LanguageCode());
    auto q = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    tray_->ShowNote(q(texts.title), q(texts.text), QtTrayIcon::kMinimumNoticeMs * 2);
    Diagnostic("no tray: the window minimises, closing it ends the program\n");
}

void Application::WatchHotplug() {
    if (SimulatedMouse* mouse = devices_->simulated) {
        simulatedInput_ = std::make_unique<SimulatedMouseInput>(*mouse, "vorlak");
        mouse->SetNoticeReady([this] { dispatcher_->Post([this] { DeliverNotices(); }); });
        inputNotifier_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        connect(inputNotifier_.get(), &QSocketNotifier::activated, this,
                &Application::ReadSimulatedMouseLines);
    }
    if (const int fd = devices_->monitor->NotifyDescriptor(); fd >= 0) {
        hotplugNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(hotplugNotifier_.get(), &QSocketNotifier::activated, this,
                &Application::DeliverNotices);
    }
}

void Application::DeliverNotices() {
    for (const DeviceNotice& notice : devices_->monitor->TakeNotices())
        controller_->OnDeviceNotice(notice);
}

// Lines on standard input drive the simulated mouse; its end only stops the reading.
void Application::ReadSimulatedMouseLines() {
    char bytes[512];
    const ssize_t count = read(STDIN_FILENO, bytes, sizeof bytes);
    const bool ended = count <= 0;
    if (ended)
        inputNotifier_->setEnabled(false);
    simulatedInput_->Feed(std::string_view(bytes, ended ? 0 : static_cast<std::size_t>(count)),
                          ended);
}

}  // namespace vorlak
