#include "app/main_controller.h"

#include "common/diagnostics.h"
#include "macro/macro_event.h"

namespace vorlak {

MainController::MainController(ControllerParts parts)
    : store_(parts.store),
      pointerSettings_(parts.pointerSettings),
      ui_(parts.ui),
      tray_(parts.tray),
      view_(parts.view),
      transport_(parts.backend, parts.store, std::move(parts.sleeper)),
      commands_(transport_, parts.store),
      files_(std::move(parts.folder), parts.store) {}

MainController::~MainController() {
    *alive_ = false;
    if (writer_.joinable())
        writer_.join();
    transport_.CloseHandles();
}

bool MainController::FindMouse() {
    return transport_.FindDevice(kPrimaryVendorId, kPrimaryProductId) ||
           transport_.FindDevice(kSecondaryVendorId, kSecondaryProductId);
}

bool MainController::Start() {
    const bool found = FindMouse();
    if (found) {
        commands_.StartupExchange();
    } else {
        store_.deviceConnected = 0;
    }
    // Event reports reach the UI thread in order through its queue; the listener never
    // waits for it, so stopping the listener from the UI thread cannot deadlock.
    transport_.StartListener([this, alive = alive_](int code, int value) {
        ui_.Post([this, alive, code, value] {
            if (*alive)
                OnDeviceEvent(code, value);
        });
    });
    profileLoaded_ = files_.LoadCurrentProfile();
    TakeSnapshot(store_);
    languageCode_ = LoadLanguage(files_.ProfileSettingsPath());
    text_ = FillTextTable(languageCode_);
    LoadProfileSettings();
    dpiNames_ = DpiFunctionNames(text_);
    return found;
}

void MainController::ShowPresence() {
    AddTrayIcon();
    if (DeviceConnected()) {
        view_.ShowRecord();
    } else {
        view_.HideToTray();
        RemoveTrayIcon();
    }
}

void MainController::LoadProfileSettings() {
    files_.LoadProfileSettings(text_.LabelSection);
    const ProfileSettings& settings = files_.Settings();
    labels_ = settings.entryLabel;
    const std::string* parts[] = {&settings.rColor, &settings.gColor, &settings.bColor};
    for (std::size_t i = 0; i < labelColor_.size(); ++i)
        labelColor_[i] = static_cast<Byte>(ParseLeadingInt(*parts[i]) & 0xFF);
}

bool MainController::ApplyFlow(std::function<void()> done) {
    if (busy_)
        return false;
    if (!DeviceConnected()) {
        if (done)
            done();
        return true;
    }
    RunWrite([done = std::move(done)] {
        if (done)
            done();
    });
    return true;
}

// The write sequence takes seconds: it runs on a worker while the UI thread stays free and
// the window waits. Progress and the end come back through the UI queue.
void MainController::RunWrite(std::function<void()> finish) {
    busy_ = true;
    afterWrite_ = std::move(finish);
    view_.SetBusy(true);
    writer_ = std::thread([this, alive = alive_, labels = labels_, section = text_.LabelSection] {
        lastWriteSaved_ = commands_.ApplyToMouse(files_, section, labels,
                                                 [this, alive](const ApplyProgressStep& s) {
                                                     ui_.Post([this, alive, s] {
                                                         if (*alive)
                                                             view_.ShowApplyProgress(s);
                                                     });
                                                 });
        ui_.Post([this, alive] {
            if (*alive)
                FinishWrite();
        });
    });
}

// What the mouse now holds becomes the snapshot, and the desktop gets its pointer settings.
// The window takes input again before the caller learns of the end, which may start
// another write.
void MainController::FinishWrite() {
    writer_.join();
    TakeSnapshot(store_);
    ApplyPointerSettings(store_.currentConfig, pointerSettings_);
    busy_ = false;
    view_.SetBusy(false);
    std::function<void()> finish = std::move(afterWrite_);
    afterWrite_ = nullptr;
    finish();
    while (!busy_ && !waiting_.empty()) {
        std::function<void()> task = std::move(waiting_.front());
        waiting_.pop_front();
        task();
    }
}

void MainController::WhenIdle(std::function<void()> task) {
    if (busy_) {
        waiting_.push_back(std::move(task));
    } else {
        task();
    }
}

void MainController::Cancel() {
    if (busy_)
        return;
    RevertToSnapshot(store_);
    view_.HideToTray();
}

void MainController::Close() {
    if (!busy_)
        view_.HideToTray();
}

bool MainController::DefaultsReset(std::function<void()> done) {
    if (busy_)
        return false;
    MouseConfig& record = store_.currentConfig;
    const Byte slot = record.profileSlot;
    const auto macros = record.macroSlot;
    store_.useDefaultFiles = 1;
    files_.LoadCurrentProfile();
    ResetToDefaults(record);
    LoadProfileSettings();
    record.profileSlot = slot;
    record.macroSlot = macros;
    auto finish = [this, done = std::move(done)] {
        store_.useDefaultFiles = 0;
        if (done)
            done();
    };
    if (!DeviceConnected()) {
        finish();
        return true;
    }
    RunWrite(std::move(finish));
    return true;
}

void MainController::FinishReset() {
    files_.SaveProfileSettings(text_.LabelSection, labels_);
}

bool MainController::OpenProfileManager(int trackedIndex) {
    if (profileManagerOpen_ || busy_)
        return false;
    profileManagerOpen_ = true;
    store_.selectedProfile = trackedIndex;
    return true;
}

ImportResult MainController::ImportChosenProfile(const std::filesystem::path& chosen) {
    if (busy_)
        return ImportResult::Missing;
    importPending_ = true;
    const ImportResult result = files_.ImportProfile(chosen, text_.LabelSection);
    if (result == ImportResult::Imported || result == ImportResult::WrongSize)
        labels_ = files_.Settings().entryLabel;
    view_.ShowRecord();
    return result;
}

bool MainController::ExportChosenProfile(const std::filesystem::path& chosen) {
    if (busy_)
        return false;
    const bool written = files_.ExportProfile(chosen, text_.LabelSection, labels_);
    profileLoaded_ = files_.LoadCurrentProfile();
    return written;
}

void MainController::ProfileManagerClosed(int trackedIndex) {
    if (busy_)
        return;
    if (importPending_) {
        importPending_ = false;  // the imported record stays
    } else if (trackedIndex != store_.selectedProfile) {
        store_.selectedProfile = trackedIndex;
        store_.currentConfig.profileSlot = static_cast<Byte>(trackedIndex);
        files_.LoadProfileSlot(trackedIndex);
        LoadProfileSettings();
        view_.ShowRecord();
    }
    if (profileManagerOpen_) {
        profileManagerOpen_ = false;
        view_.CloseProfileManager();
    }
}

void MainController::OnDeviceNotice(const DeviceNotice& notice) {
    WhenIdle([this, notice] {
        if (notice.kind == DeviceNotice::Kind::Arrival) {
            Arrival(notice.name);
        } else {
            Removal(notice.name);
        }
    });
}

void MainController::Arrival(const std::string& name) {
    const std::optional<HidIdentity> identity = ArrivalIdentity(name);
    if (!identity)
        return;
    if (!transport_.FindDevice(identity->vendorId, identity->productId)) {
        LossSteps();
        return;
    }
    ui_.Post([this, alive = alive_] {
        if (*alive)
            OnDeviceEvent(kEventDetected, 0);
    });
    store_.deviceConnected = 1;
    commands_.ArrivalExchange();
    profileLoaded_ = files_.LoadCurrentProfile();
    LoadProfileSettings();
    AddTrayIcon();
}

void MainController::Removal(const std::string& name) {
    if (!IsMouseRemoval(name))
        return;
    if (transport_.FindDevice(kPrimaryVendorId, kPrimaryProductId)) {
        store_.deviceConnected = 1;
        AddTrayIcon();
        return;
    }
    Diagnostic("The system did not detect the Vorlak.");
    LossSteps();
}

// The warning is shown while the tray icon still exists, then the icon goes.
void MainController::LossSteps() {
    OnDeviceEvent(kEventNotDetected, 0);
    view_.HideToTray();
    store_.deviceConnected = 0;
    RemoveTrayIcon();
}

// A notice needs its icon: without one (the mouse is absent) it shows nothing, as a balloon
// on a removed icon would not. So a second removal notice of the same loss stays silent.
void MainController::OnDeviceEvent(int code, int value) {
    WhenIdle([this, code, value] {
        std::optional<Notice> notice = DeviceEventNotice(code, value, text_, store_.savedConfig);
        if (notice && iconAdded_)
            tray_.ShowNotice(notice->text, notice->title, notice->displayMs);
    });
}

void MainController::AddTrayIcon() {
    tray_.AddTrayIcon(text_.ProductName);
    iconAdded_ = true;
}

void MainController::RemoveTrayIcon() {
    tray_.RemoveTrayIcon();
    iconAdded_ = false;
}

void MainController::ShowFromTray() {
    WhenIdle([this] {
        if (!DeviceConnected())
            return;
        profileLoaded_ = files_.LoadCurrentProfile();
        LoadProfileSettings();
        view_.ShowFromTray();
    });
}

}  // namespace vorlak
