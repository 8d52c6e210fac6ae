// SPDX-License-Identifier: GPL-3.0-or-later
// The flows of the main window without the window: start-up, apply, cancel, defaults
// reset, the profile manager's requests, device arrival and loss, and the notices of the
// mouse's event reports. The window and vorlakctl both drive it; it reaches them only
// through MainView, TrayIcon and UiDispatcher.
#pragma once

#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "assign/entry_assignment.h"
#include "common/write_queue.h"
#include "controller/apply_report.h"
#include "controller/device_notices.h"
#include "controller/kept_image.h"
#include "controller/main_view.h"
#include "controller/pointer_notice.h"
#include "controller/pointer_settings.h"
#include "controller/record_editor.h"
#include "controller/tray_icon.h"
#include "controller/ui_dispatcher.h"
#include "device/device_commands.h"
#include "device/hid_transport.h"
#include "device/hotplug_monitor.h"
#include "macro/macro_manager.h"
#include "profiles/profile_files.h"
#include "profiles/profile_list.h"
#include "profiles/profile_renumbering.h"
#include "text/ui_text.h"

namespace vorlak {

// What the controller works with; all of it outlives the controller.
struct ControllerParts {
    ConfigStore& store;
    HidBackend& backend;
    PointerSettings& pointerSettings;
    UiDispatcher& ui;
    TrayIcon& tray;
    MainView& view;
    DataFolder folder;
    Sleeper sleeper = RealSleeper();
    // Where the kept image of the mouse is shared with other runs (none: this run only).
    std::optional<std::filesystem::path> keptImageFile{};
    // Start keeps the image an earlier run left for the mouse plugged in now (vorlakctl, whose
    // every command is a start); the window's start forgets it, so its first Apply is full.
    bool keepImageAtStart = false;
};

// How an Apply or a defaults reset began.
enum class WriteStart {
    Started,    // running, or done at once without the mouse
    Busy,       // a write runs already; nothing happened
    NotLoaded,  // no record was ever read: nothing is sent, and the view was told why
};

// What vorlakctl status reads from the mouse.
struct MouseReport {
    int error = 0;  // the system's reason when the mouse did not answer; 0 when it did
    FirmwareVersion version{};
    std::array<Byte, 4> functionOptions{};
};

class MainController {
public:
    explicit MainController(ControllerParts parts);
    // Waits for a running write to end, then stops the listener and closes the mouse.
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // The start-up steps that come before the window is built: the mouse and its start-up
    // exchange, the listener, the current profile and its snapshot, the language, the labels
    // and their colour, the DPI function names. True when the mouse was found.
    bool Start();
    // The steps after the window is built: the tray icon, then the record shown with the
    // mouse present, or the window hidden and the icon removed without it.
    void ShowPresence();
    // The file steps of start-up alone, without the mouse: the current profile, its language
    // and labels. A profile that cannot be read leaves the defaults and is named to the view.
    void LoadData();
    // True when the current profile's record was read (at start-up or the last reload).
    bool ProfileLoaded() const { return profileLoaded_; }
    // Which data file or folder LoadData could not read and why, in the user's language;
    // empty when the record was read whole.
    const std::string& DataProblemNotice() const { return dataProblem_; }

    // Apply: on a worker thread, writes the record to the mouse until a step fails, then saves
    // it into the current profile's files whatever the mouse took (the edits are never lost).
    // Only the steps whose bytes differ from what the mouse plugged in now received go out,
    // in their order with their pauses; all of them after a start, an arrival, a loss, a
    // failed step, an import or ForceFullApply, and whenever the kept image is in doubt;
    // then takes the snapshot, hands over the pointer settings and shows the view the outcome;
    // done runs on the UI thread when it has all ended. Notices that arrive meanwhile are
    // handled after it. With the mouse absent nothing is sent or saved. Nothing happens while
    // a write (or a commit of the profile list) runs, nor when no record was ever read or reset
    // (the view is told; done does not run).
    WriteStart ApplyFlow(std::function<void()> done = {});
    // Cancel: back to the snapshot, then hidden to the tray. Cancel, Close and the profile
    // manager's requests do nothing while a write runs; ShowFromTray waits for its end.
    void Cancel();
    // Close: hidden to the tray, edits kept.
    void Close();
    // The defaults, with the profile slot and the macros kept; with the mouse present they
    // are written to it as Apply does. done runs on the UI thread when it has ended (the
    // labels are then saved by FinishReset, after the view has shown them).
    WriteStart DefaultsReset(std::function<void()> done = {});
    // The last step of the reset flow, after the window has shown the record.
    void FinishReset();
    bool Busy() const { return busy_; }
    // The start-up search, primary identity first, without the start-up exchange.
    bool FindMouse();
    // The next write sends every step, whatever the mouse is known to hold.
    void ForceFullApply();
    // The firmware version and function options, read from a mouse that was found; the first
    // failed read ends it with its reason.
    MouseReport ReadMouseReport();
    // Every transfer to and from the mouse, as it happens.
    void SetTrace(TransferTrace trace);
    // What the last write to the mouse (Apply or the defaults reset) did.
    const ApplyOutcome& LastApply() const { return lastApply_; }
    // The save at the end of Apply without the mouse: the working record into the current
    // profile's record file (only if it exists, unless rule says to make it) and the labels into
    // its settings file, both or neither. A renumbering left unfinished is finished first, else
    // nothing is saved. Nothing either while a write runs (blocked, with no file named).
    ProfileSaveResult SaveProfile(RecordFileRule rule = RecordFileRule::OnlyIfItExists);
    // The macro manager ended with OK: its blocks become the record's macro slots and the
    // buttons follow their macros (moved up, deleted: Deactivated, renamed: the new label),
    // all through the editor.
    void TakeMacroManagerResult(const MacroManagerResult& result);
    // Runs task now, or after the running write (to the mouse or to the profile files) when
    // one runs.
    void WhenIdle(std::function<void()> task);
    // A renumbering of the profile files left unfinished (by a kill, or a rename that failed) is
    // finished before anything reads or saves a profile: true when none is left. When it is
    // finished now, the profile in the window keeps its files at their new number. When it
    // cannot be, RenumberingProblem() says which file and why.
    bool FinishRenumbering();
    // Which file and why, for the user.
    std::string RenumberingProblem() const;

    // The profile manager. Open returns false when it is open already, while a write runs, and
    // while a renumbering cannot be finished (the view is told); trackedIndex is the entry it
    // shows as current, the profile the record came from.
    bool OpenProfileManager(int trackedIndex);
    bool ProfileManagerOpen() const { return profileManagerOpen_; }
    // Load and Save take the chosen file. Busy while a write runs: nothing was read (Missing)
    // or written. A refused import or a failed export is named to the view; a refused import
    // changes nothing. An export ends a pending import: the stored current profile is read
    // back, so a later close does not take the imported record.
    ImportOutcome ImportChosenProfile(const std::filesystem::path& chosen);
    ExportOutcome ExportChosenProfile(const std::filesystem::path& chosen);
    // The manager closed with its edited list (none when it could not read one) and the entry
    // that becomes current (-1 for an empty list). After a running write: the list is committed
    // with the files renumbered to it on the disk writer (the view is told when it cannot be,
    // and whether the profiles stay as they were or are half renumbered); when it is done, the
    // window keeps an imported record or the record of that entry's own profile, else reads the
    // entry's profile, and the view closes the manager. Until then every flow waits.
    void ProfileManagerClosed(const std::optional<ProfileList>& list, int current);

    // A hot-plug notice, on the UI thread.
    void OnDeviceNotice(const DeviceNotice& notice);
    // An event report of the mouse (its code and value), on the UI thread.
    void OnDeviceEvent(int code, int value);
    // A double click on the tray icon.
    void ShowFromTray();

    // Every edit of the working record and its labels goes through the editor.
    RecordEditor& Editor() { return editor_; }
    const RecordEditor& Editor() const { return editor_; }
    const ConfigStore& Store() const { return store_; }
    const ProfileFiles& Files() const { return files_; }
    const HidTransport& Transport() const { return transport_; }
    const UiTextTable& Text() const { return text_; }
    const std::string& LanguageCode() const { return languageCode_; }
    std::array<Byte, 3> LabelColor() const { return labelColor_; }
    const std::array<std::string, 3>& DpiNames() const { return dpiNames_; }
    bool DeviceConnected() const { return store_.deviceConnected == 1; }
    // Every flushing write of the data files runs on this one thread, in order.
    WriteQueue& DiskWriter() { return diskWriter_; }

private:
    bool LoadCurrentProfile();
    // The labels and their colour; the editor tells them as another record's, or as the
    // current profile's again (Reloaded: the views stay as the user left them).
    void LoadProfileSettings(RecordPart told = RecordPart::Whole);
    void TakeCurrentEntry(const ProfileList& list, int current, bool imported);
    void CommitDone(const CommitResult& commit, const ProfileList& list, int current,
                    bool imported);
    void FollowFinishedCommit();
    void TellRepairs();
    void ReloadCurrentProfile();
    void RunWaiting();
    void RunWrite(std::function<void()> finish);
    ApplyOutcome Write(const std::string& languageCode, const EntryLabels& labels,
                       const std::string& labelSection);
    void FinishWrite(const ApplyOutcome& outcome);
    void Arrival(const std::string& name);
    void Removal(const std::string& name);
    void LossSteps();
    // The notice that the system found the mouse or lost it.
    void TellPresence(bool detected);
    void TellOnIcon(std::function<std::optional<Notice>()> notice);
    void TellInaccessibleMouse();
    void AddTrayIcon();
    void RemoveTrayIcon();

    ConfigStore& store_;
    PointerSettings& pointerSettings_;
    UiDispatcher& ui_;
    TrayIcon& tray_;
    MainView& view_;
    HidBackend& backend_;
    HidTransport transport_;
    DeviceCommands commands_;
    ProfileFiles files_;
    RecordEditor editor_;
    // The copy a write sends, taken when it starts; the worker's own until it is joined.
    MouseConfig sending_{};
    // What the mouse plugged in now holds; used by the worker while a write runs, else by the
    // UI thread.
    KeptImage kept_;
    bool keepImageAtStart_;

    UiTextTable text_;
    std::string languageCode_;
    std::array<Byte, 3> labelColor_{};
    std::array<std::string, 3> dpiNames_;
    // What could not be read at start-up, in the user's language; ShowPresence tells it.
    std::string dataProblem_;
    bool profileLoaded_ = false;
    // A record was read or reset at least once: only such a record is ever sent.
    bool recordKnown_ = false;
    bool importPending_ = false;
    bool profileManagerOpen_ = false;
    bool iconAdded_ = false;
    // The user was told that a mouse is there but may not be opened (once a run).
    bool accessToldOnce_ = false;
    // The pointer settings the desktop kept that the user was told of.
    PointerNoticeMemory pointerNotices_;

    // A commit whose renames failed, kept until its journal is finished (FinishRenumbering).
    struct PendingCommit {
        ProfileList list;
        int current;
        bool imported;
    };
    std::optional<PendingCommit> pendingCommit_;
    std::string renumberingProblem_;
    // The disk writer holds a commit of the profile list.
    bool committing_ = false;

    bool busy_ = false;
    ApplyOutcome lastApply_;
    std::thread writer_;
    std::function<void()> afterWrite_;
    std::deque<std::function<void()>> waiting_;
    // Read on the UI thread by the tasks the listener and the writers post.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // The one writer thread of the data files' flushing writes. Last, so that it is the first
    // to go: it runs what is queued before the rest ends.
    WriteQueue diskWriter_;
};

}  // namespace vorlak
