#include "app/ui/kestal_app.h"

#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>

#include <cstdlib>

#include "app/main_controller.h"
#include "app/ui/kestal_dlg.h"
#include "app/ui/qt_tray_icon.h"
#include "app/ui/qt_ui_dispatcher.h"
#include "controls/menu_frame_look.h"
#include "controls/skin_path.h"
#include "device/simulated_mouse_script.h"
#include "panels/dlg_splash.h"
#include "platform/linux/executable_path.h"
#include "platform/linux/gsettings_pointer_settings.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/mouse_devices.h"

namespace vorlak {

std::optional<AppOptions> ParseAppOptions(int argc, char** argv, std::string& problem) {
    AppOptions options;
    options.programFolder = ComputeProgramFolder(CurrentExecutablePath());
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
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

CKestalApp::CKestalApp(QApplication& application, AppOptions options)
    : application_(application),
      options_(std::move(options)),
      programFolder_(options_.programFolder) {}

CKestalApp::~CKestalApp() {
    ExitApplication();
}

QIcon ApplicationIcon(const std::filesystem::path& programFolder) {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 256})
        icon.addFile(SkinPath(programFolder, "Skins/icon-" + std::to_string(size) + ".png"));
    return icon;
}

bool CKestalApp::StartApplication() {
    // Another instance ends this one silently; a lock that cannot be made at all does not
    // keep the user from the program.
    lock_ = std::make_unique<InstanceLock>();
    if (lock_->Status() == InstanceLock::State::HeldElsewhere)
        return false;
    application_.setQuitOnLastWindowClosed(false);
    InstallMenuFrameLook(application_);

    CDlgSplash(programFolder_).exec();  // first, so that it is on screen at once

    const QIcon icon = ApplicationIcon(programFolder_);
    application_.setWindowIcon(icon);

    store_ = std::make_unique<ConfigStore>();
    devices_ = std::make_unique<MouseDevices>(options_.simulate);
    pointerSettings_ = std::make_unique<GSettingsPointerSettings>();
    dispatcher_ = std::make_unique<QtUiDispatcher>(this);
    tray_ = std::make_unique<QtTrayIcon>(icon);
    window_ = std::make_unique<CKestalDlg>(programFolder_);
    controller_ = std::make_unique<MainController>(ControllerParts{
        *store_, *devices_->backend, *pointerSettings_, *dispatcher_, *tray_, *window_,
        DataFolder::Select(options_.dataDir, std::getenv("VORLAK_DATA_DIR"),
                           CurrentExecutablePath())});
    window_->SetController(*controller_);

    const bool present = controller_->Start();
    window_->BuildWindow();
    tray_->SetExitText(QString::fromStdString(controller_->Text().TxtExit));
    connect(tray_.get(), &QtTrayIcon::DoubleClicked, this, [this] { controller_->ShowFromTray(); });
    connect(tray_.get(), &QtTrayIcon::MenuAboutToShow, window_.get(), &QWidget::raise);
    // A running write ends first, so that its snapshot and pointer settings are not lost.
    auto exit = [this] { controller_->WhenIdle(EndEventLoop); };
    connect(tray_.get(), &QtTrayIcon::ExitChosen, this, exit);
    connect(window_.get(), &CKestalDlg::ExitRequested, this, exit);
    window_->SetTrayPresent(QSystemTrayIcon::isSystemTrayAvailable());
    controller_->ShowPresence();
    if (present)
        window_->show();
    WatchHotplug();
    application_.exec();
    return true;
}

void CKestalApp::ExitApplication() {
    hotplugNotifier_.reset();
    inputNotifier_.reset();
    controller_.reset();  // waits for a running write, stops the listener, closes the mouse
    tray_.reset();
    window_.reset();
    lock_.reset();
}

void CKestalApp::WatchHotplug() {
    if (SimulatedMouse* mouse = devices_->simulated) {
        simulatedInput_ = std::make_unique<SimulatedMouseInput>(*mouse, "vorlak");
        mouse->SetNoticeReady([this] { dispatcher_->Post([this] { DeliverNotices(); }); });
        inputNotifier_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        connect(inputNotifier_.get(), &QSocketNotifier::activated, this,
                &CKestalApp::ReadSimulatedMouseLines);
    }
    if (const int fd = devices_->monitor->NotifyDescriptor(); fd >= 0) {
        hotplugNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(hotplugNotifier_.get(), &QSocketNotifier::activated, this,
                &CKestalApp::DeliverNotices);
    }
}

void CKestalApp::DeliverNotices() {
    for (const DeviceNotice& notice : devices_->monitor->TakeNotices())
        controller_->OnDeviceNotice(notice);
}

// Lines on standard input drive the simulated mouse; its end only stops the reading.
void CKestalApp::ReadSimulatedMouseLines() {
    char bytes[512];
    const ssize_t count = read(STDIN_FILENO, bytes, sizeof bytes);
    const bool ended = count <= 0;
    if (ended)
        inputNotifier_->setEnabled(false);
    simulatedInput_->Feed(std::string_view(bytes, ended ? 0 : static_cast<std::size_t>(count)),
                          ended);
}

}  // namespace vorlak
