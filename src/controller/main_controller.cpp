// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/main_controller.h"

#include <utility>

#include "assign/macro_follow.h"
#include "common/diagnostics.h"
#include "controller/data_problem.h"
#include "controller/profile_notices.h"
#include "macro/macro_event.h"
#include "profiles/profile_renumbering.h"
#include "text/dialog_texts.h"

namespace vorlak {

MainController::MainController(ControllerParts parts)
    : store_(parts.store),
      pointerSettings_(parts.pointerSettings),
      ui_(parts.ui),
      tray_(parts.tray),
      view_(parts.view),
      backend_(parts.backend),
      transport_(parts.backend, parts.store, std::move(parts.sleeper)),
      commands_(transport_, parts.store),
      files_(std::move(parts.folder), parts.store),
      editor_(parts.store.currentConfig),
      kept_(std::move(parts.keptImageFile)),
      keepImageAtStart_(parts.keepImageAtStart) {}

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

void MainController::ForceFullApply() {
    kept_.Forget();
}

MouseReport MainController::ReadMouseReport() {
    ClearDeviceImage(store_);
    MouseReport report;
    const FirmwareRead version = commands_.ReadFirmwareVersion();
    if (!version.result) {
        report.error = version.result.Error();
        return report;
    }
    report.version = version.version;
    if (TransferResult options = commands_.ReadFunctionOptions(); !options) {
        report.error = options.Error();
        return report;
    }
    const DeviceImage& image = store_.deviceImage;
    report.functionOptions = {image.functionOption1, image.functionOption2, image.functionOption3,
                              image.functionOption4};
    return report;
}

void MainController::SetTrace(TransferTrace trace) {
    transport_.SetTrace(std::move(trace));
}

bool MainController::Start() {
    const bool found = FindMouse();
    if (!keepImageAtStart_)
        kept_.Forget();
    if (found) {
        // A mouse that does not answer now is told when an Apply reaches it.
        if (TransferResult exchanged = commands_.StartupExchange(); !exchanged)
            Diagnostic("The start-up exchange with the mouse failed (%d).\n", exchanged.Error());
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
    // The window is the folder's one writer: a renumbering a kill left is finished and the
    // leftovers of writes that never finished are cleared before anything is read.
    const RecoveryResult recovery = RecoverProfileCommit(files_.Folder().Folder());
    if (recovery.state == RecoveryResult::State::Unfinished)
        renumberingProblem_ = recovery.error;
    LoadData();
    return found;
}

void MainController::LoadData() {
    LoadCurrentProfile();
    TakeSnapshot(store_);
    languageCode_ = LoadLanguage(files_.ProfileSettingsPath());
    text_ = FillTextTable(languageCode_);
    LoadProfileSettings();
    dpiNames_ = DpiFunctionNames(text_);
    if (files_.RenumberingUnfinished()) {
        dataProblem_ = UnfinishedRenumberingText(RenumberingProblem(), languageCode_);
    } else if (std::optional<DataProblem> problem = FindDataProblem(files_)) {
        dataProblem_ = DataProblemText(*problem, languageCode_);
    }
    const std::string repairs =
        RepairedFieldsText(files_.ConfigFilePath(), files_.Repaired(), languageCode_);
    dataProblem_ += (dataProblem_.empty() || repairs.empty() ? "" : "\n") + repairs;
}

bool MainController::FinishRenumbering() {
    if (!files_.RenumberingUnfinished())
        return true;
    const RecoveryResult recovery = FinishProfileCommit(files_.Folder().Folder());
    if (recovery.state == RecoveryResult::State::Unfinished) {
        renumberingProblem_ = recovery.error;
        return false;
    }
    renumberingProblem_.clear();
    FollowFinishedCommit();
    return true;
}

// The files were renumbered to a list this session committed: the record in the window is the
// profile it came from (now at its new number) or an import, as after a commit that went
// through at once. A profile that list deleted gives way to the list's current entry. Without
// such a list (a journal older than the session) the current profile is read anew.
void MainController::FollowFinishedCommit() {
    if (!pendingCommit_) {
        LoadCurrentProfile();
        LoadProfileSettings();
        TellRepairs();
        view_.ShowRecord();
        return;
    }
    const PendingCommit pending = std::move(*pendingCommit_);
    pendingCommit_.reset();
    const int followed = pending.list.IndexOfStored(store_.currentProfileIndex);
    if (pending.imported || followed < 0) {
        TakeCurrentEntry(pending.list, pending.current, pending.imported);
        return;
    }
    store_.selectedProfile = followed;
    files_.SelectProfile(followed);
}

std::string MainController::RenumberingProblem() const {
    return renumberingProblem_.empty()
               ? files_.Folder().ResolveDataPath(kProfileJournalFile).string() +
                     ": a renumbering of the profiles is unfinished"
               : renumberingProblem_;
}

// The fields the last load brought into range, named to the user with their file.
void MainController::TellRepairs() {
    if (!files_.Repaired().empty())
        view_.ShowDataProblem(
            RepairedFieldsText(files_.ConfigFilePath(), files_.Repaired(), languageCode_));
}

// A reload of the current profile (an arrival, a reopening from the tray): after a renumbering
// left unfinished is finished; while it cannot be, the record in the window stays and the user
// is told why.
void MainController::ReloadCurrentProfile() {
    if (!FinishRenumbering()) {
        view_.ShowDataProblem(UnfinishedRenumberingText(RenumberingProblem(), languageCode_));
        return;
    }
    LoadCurrentProfile();
    LoadProfileSettings(RecordPart::Reloaded);
    TellRepairs();
}

// The profile files read the record into the store, over what it held: the defaults until
// the first read, so a short file leaves default bytes.
bool MainController::LoadCurrentProfile() {
    profileLoaded_ = files_.LoadCurrentProfile();
    recordKnown_ = recordKnown_ || profileLoaded_;
    return profileLoaded_;
}

void MainController::ShowPresence() {
    if (!dataProblem_.empty())
        view_.ShowDataProblem(dataProblem_);
    AddTrayIcon();
    if (DeviceConnected()) {
        view_.ShowRecord();
    } else {
        TellInaccessibleMouse();
        view_.HideToTray();
        RemoveTrayIcon();
    }
}

// A mouse that is there but whose nodes this user may not open is named once, with the fix:
// without it the window would stay silent. Shown while the icon is there, if it is.
void MainController::TellInaccessibleMouse() {
    if (accessToldOnce_)
        return;
    if (std::optional<Notice> notice =
            MouseAccessNotice(backend_.InaccessibleMouseNodes(), languageCode_)) {
        tray_.ShowNotice(notice->text, notice->title, notice->displayMs);
        accessToldOnce_ = true;
    }
}

void MainController::LoadProfileSettings(RecordPart told) {
    files_.LoadProfileSettings(text_.LabelSection);
    const ProfileSettings& settings = files_.Settings();
    const std::string* parts[] = {&settings.rColor, &settings.gColor, &settings.bColor};
    for (std::size_t i = 0; i < labelColor_.size(); ++i)
        labelColor_[i] = static_cast<Byte>(ParseLeadingInt(*parts[i]) & 0xFF);
    if (told == RecordPart::Reloaded)
        editor_.ReloadedLabels(settings.entryLabel);
    else
        editor_.Loaded(settings.entryLabel);
}

WriteStart MainController::ApplyFlow(std::function<void()> done) {
    if (busy_ || committing_)
        return WriteStart::Busy;
    if (!DeviceConnected()) {
        if (done)
            done();
        return WriteStart::Started;
    }
    if (!recordKnown_) {
        view_.ShowDataProblem(std::string(DataProblemTextsFor(languageCode_).notSent));
        return WriteStart::NotLoaded;
    }
    RunWrite([done = std::move(done)] {
        if (done)
            done();
    });
    return WriteStart::Started;
}

// The write sequence takes seconds: it runs on a worker while the UI thread stays free and
// the window waits. Progress and the end come back through the UI queue. The worker sends a
// copy taken now; edits are refused until the write ends.
void MainController::RunWrite(std::function<void()> finish) {
    FinishRenumbering();  // else the save at its end is refused, and says why
    busy_ = true;
    afterWrite_ = std::move(finish);
    sending_ = editor_.Record();
    editor_.SetWriting(true);
    view_.SetBusy(true);
    writer_ = std::thread([this, alive = alive_, code = languageCode_, labels = editor_.Labels(),
                           section = text_.LabelSection] {
        const ApplyOutcome outcome = Write(code, labels, section);
        ui_.Post([this, alive, outcome] {
            if (*alive)
                FinishWrite(outcome);
        });
    });
}

// On the worker: the steps the mouse lacks, until one fails, then the profile files whatever
// the mouse took. A step that failed leaves what the mouse holds in doubt: the next write
// sends every step.
ApplyOutcome MainController::Write(const std::string& languageCode, const EntryLabels& labels,
                                   const std::string& labelSection) {
    const std::string& key = transport_.ArrivalKey();
    const std::vector<ApplyStep> steps = kept_.ToSend(key, BuildApplySteps(sending_));
    const int stepCount = static_cast<int>(steps.size()) + 1;
    auto tell = [this, alive = alive_](ApplyProgressStep step) {
        ui_.Post([this, alive, step = std::move(step)] {
            if (*alive)
                view_.ShowApplyProgress(step);
        });
    };
    kept_.Sending(key, steps);
    const ApplyResult sent = commands_.ApplyToMouse(
        sending_, steps,
        [&](int index, int, const ApplyStep& step) {
            tell({index, stepCount, ApplyStepText(languageCode, step.kind, step.number)});
        },
        [&](const ApplyStep& step) { kept_.Received(key, step); });
    if (sent.failure)
        kept_.Forget();
    else if (!steps.empty())
        kept_.Sent(key);
    tell({stepCount, stepCount, ProfileFilesStepText(languageCode)});
    const ProfileSaveResult saved = files_.SaveProfile(sending_, labelSection, labels);
    return {static_cast<int>(steps.size()),
            sent.sent,
            sent.failure,
            saved.Whole(),
            files_.Folder().Folder(),
            SaveProblemText(saved, languageCode)};
}

// What the profile files now hold becomes the snapshot, the desktop gets its pointer settings
// (the user hears once a session of each one it kept) and the user learns what happened. The window
// takes input again before the caller learns of the end, which may start another write.
void MainController::FinishWrite(const ApplyOutcome& outcome) {
    writer_.join();
    editor_.SetWriting(false);
    editor_.ReloadedRecord(sending_);
    TakeSnapshot(store_);
    const PointerReport pointer = ApplyPointerSettings(editor_.Record(), pointerSettings_);
    if (std::optional<PointerNotice> notice = pointerNotices_.Untold(pointer, languageCode_))
        view_.ShowPointerNotice(*notice);
    lastApply_ = outcome;
    busy_ = false;
    view_.SetBusy(false);
    view_.ShowApplyOutcome(ApplyOutcomeReport(outcome, languageCode_));
    std::function<void()> finish = std::move(afterWrite_);
    afterWrite_ = nullptr;
    finish();
    RunWaiting();
}

void MainController::RunWaiting() {
    while (!busy_ && !committing_ && !waiting_.empty()) {
        std::function<void()> task = std::move(waiting_.front());
        waiting_.pop_front();
        task();
    }
}

ProfileSaveResult MainController::SaveProfile(RecordFileRule rule) {
    if (busy_ || committing_)
        return {false, false, false, {{}, "a write is running"}};
    if (!FinishRenumbering())
        return {false, false, true, {{}, RenumberingProblem()}};
    return files_.SaveProfile(editor_.Record(), text_.LabelSection, editor_.Labels(), rule);
}

void MainController::TakeMacroManagerResult(const MacroManagerResult& result) {
    for (int slot = 0; slot < kMacroSlots; ++slot)
        editor_.SetMacroSlot(slot, result.rows[static_cast<std::size_t>(slot)]);
    const MacroStore macros(files_.MacroStorePath());
    const AssignmentContext context{text_, languageCode_, macros};
    for (const auto& [entry, choice] : FollowMacros(editor_.Record(), result.moves))
        editor_.AssignEntry(entry, choice, context);
}

void MainController::WhenIdle(std::function<void()> task) {
    if (busy_ || committing_) {
        waiting_.push_back(std::move(task));
    } else {
        task();
    }
}

void MainController::Cancel() {
    if (busy_)
        return;
    editor_.RevertTo(store_.savedConfig);
    view_.HideToTray();
}

void MainController::Close() {
    if (!busy_)
        view_.HideToTray();
}

WriteStart MainController::DefaultsReset(std::function<void()> done) {
    if (busy_ || committing_)
        return WriteStart::Busy;
    // The reset takes the profile manager away with its edits, as an import it may have made.
    if (std::exchange(profileManagerOpen_, false)) {
        importPending_ = false;
        view_.CloseProfileManager();
    }
    const MouseConfig kept = editor_.Record();
    store_.useDefaultFiles = 1;
    files_.LoadCurrentProfile();  // the default files: their reserved bytes and label paths
    LoadProfileSettings();
    editor_.ResetToDefaults(kept, editor_.Labels());
    recordKnown_ = true;
    auto finish = [this, done = std::move(done)] {
        store_.useDefaultFiles = 0;
        if (done)
            done();
    };
    if (!DeviceConnected()) {
        finish();
        return WriteStart::Started;
    }
    RunWrite(std::move(finish));
    return WriteStart::Started;
}

void MainController::FinishReset() {
    if (FinishRenumbering())
        files_.SaveProfileSettings(text_.LabelSection, editor_.Labels());
}

// The manager reads the list from the files: they must be whole first. A renumbering finished
// now may have moved the current profile, which the manager then tracks.
bool MainController::OpenProfileManager(int trackedIndex) {
    if (profileManagerOpen_ || busy_ || committing_)
        return false;
    const int before = store_.currentProfileIndex;
    if (!FinishRenumbering()) {
        view_.ShowDataProblem(UnfinishedRenumberingText(RenumberingProblem(), languageCode_));
        return false;
    }
    profileManagerOpen_ = true;
    store_.selectedProfile =
        store_.currentProfileIndex != before ? store_.currentProfileIndex : trackedIndex;
    return true;
}

ImportOutcome MainController::ImportChosenProfile(const std::filesystem::path& chosen) {
    if (busy_)
        return {ImportResult::Missing, chosen, {}};
    const ImportOutcome outcome = files_.ImportProfile(chosen, text_.LabelSection);
    if (outcome.result != ImportResult::Imported) {
        view_.ShowDataProblem(ImportRefusalText(outcome, languageCode_));
        return outcome;
    }
    importPending_ = true;
    recordKnown_ = true;
    kept_.Forget();  // the record may come from another mouse's settings: send it all
    editor_.Loaded(files_.Settings().entryLabel);
    view_.ShowRecord();
    return outcome;
}

ExportOutcome MainController::ExportChosenProfile(const std::filesystem::path& chosen) {
    if (busy_ || committing_)
        return {false, chosen, {}, {chosen, "a write is running"}};
    const ExportOutcome written =
        files_.ExportProfile(chosen, editor_.Record(), text_.LabelSection, editor_.Labels());
    if (!written.written)
        view_.ShowDataProblem(ExportFailureText(written, languageCode_));
    // The stored current profile replaces the record, an imported one too: a later close must
    // not take the import over another profile.
    importPending_ = false;
    if (FinishRenumbering()) {
        LoadCurrentProfile();
        TellRepairs();
    }
    editor_.Loaded(editor_.Labels());
    return written;
}

void MainController::ProfileManagerClosed(const std::optional<ProfileList>& list, int current) {
    WhenIdle([this, list, current] {
        if (!profileManagerOpen_)
            return;  // a reset took the manager away
        profileManagerOpen_ = false;
        const bool imported = std::exchange(importPending_, false);
        if (!list) {
            view_.CloseProfileManager();
            return;
        }
        // The renames and their flushes run on the disk writer; the window waits for the end
        // (WhenIdle) without blocking its event loop.
        committing_ = true;
        diskWriter_.Push([this, alive = alive_, folder = files_.Folder().Folder(), list = *list,
                          current, imported] {
            const CommitResult commit = CommitProfileList(folder, list, current);
            ui_.Post([this, alive, commit, list, current, imported] {
                if (*alive)
                    CommitDone(commit, list, current, imported);
            });
        });
    });
}

void MainController::CommitDone(const CommitResult& commit, const ProfileList& list, int current,
                                bool imported) {
    committing_ = false;
    if (!commit.ok) {
        if (commit.unfinished)
            pendingCommit_ = PendingCommit{list, current, imported};
        view_.ShowDataProblem(CommitFailureText(commit, languageCode_));
    } else if (list.Contains(current)) {
        TakeCurrentEntry(list, current, imported);
    }
    view_.CloseProfileManager();
    RunWaiting();
}

// After a commit entry `current` is the current profile. The record in the window stays when it
// was imported, or when it is that entry's own profile (its files may have moved); otherwise
// the entry's profile is read.
void MainController::TakeCurrentEntry(const ProfileList& list, int current, bool imported) {
    const bool shown = list.IndexOfStored(store_.selectedProfile) == current;
    store_.selectedProfile = current;
    if (imported || shown) {
        files_.SelectProfile(current);
        return;
    }
    // The slot read below brings its own byte 0; this one stays when it cannot be read.
    store_.currentConfig.profileSlot = static_cast<Byte>(current);
    files_.SelectProfile(current);
    recordKnown_ = files_.LoadProfileSlot(current) || recordKnown_;
    LoadProfileSettings();
    TellRepairs();
    view_.ShowRecord();
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
        TellInaccessibleMouse();
        LossSteps();
        return;
    }
    ui_.Post([this, alive = alive_] {
        if (*alive)
            TellPresence(true);
    });
    kept_.Forget();  // it may have been set up elsewhere meanwhile
    store_.deviceConnected = 1;
    if (TransferResult exchanged = commands_.ArrivalExchange(); !exchanged)
        Diagnostic("The arrival exchange with the mouse failed (%d).\n", exchanged.Error());
    ReloadCurrentProfile();
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
    kept_.Forget();
    TellPresence(false);
    view_.HideToTray();
    store_.deviceConnected = 0;
    RemoveTrayIcon();
}

void MainController::OnDeviceEvent(int code, int value) {
    TellOnIcon(
        [this, code, value] { return DeviceEventNotice(code, value, text_, store_.savedConfig); });
}

void MainController::TellPresence(bool detected) {
    TellOnIcon([this, detected] { return std::optional(PresenceNotice(detected, text_)); });
}

// A notice needs its icon: without one (the mouse is absent) it shows nothing, as a balloon
// on a removed icon would not. So a second removal notice of the same loss stays silent. The
// notice is made when it is told, in the language of the profile read by then.
void MainController::TellOnIcon(std::function<std::optional<Notice>()> notice) {
    WhenIdle([this, notice = std::move(notice)] {
        if (const std::optional<Notice> told = notice(); told && iconAdded_)
            tray_.ShowNotice(told->text, told->title, told->displayMs);
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
        ReloadCurrentProfile();
        view_.ShowFromTray();
    });
}

}  // namespace vorlak
