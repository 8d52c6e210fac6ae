// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager's flows without a window: the macro list and the selected macro's event
// list, the loop field and the two option boxes, recording, and the store written after every
// edit. The dialog shows this state, turns the user's actions into these operations and
// repaints on the change notices.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/file_writes.h"
#include "macro/macro_block.h"
#include "macro/macro_moves.h"
#include "macro/macro_recorder.h"
#include "macro/macro_store_copy.h"

namespace vorlak {

inline constexpr int kMaxMacros = 12;
inline constexpr int kMaxLoopCount = 65535;
inline constexpr std::string_view kInsertedDelay = "50 ms";

// What changed, for the view to show again.
enum class ManagerChange {
    Names,          // the macro list and its selection
    Events,         // the event list and its selection
    EventAppended,  // one text was appended to the event list and selected
    LoopField,      // the loop field's text or whether it takes input
    Options,        // the record-delay and loops boxes
    Recording,      // a recording started or stopped
};

// How the manager ended with OK.
struct MacroManagerResult {
    MacroRows rows;  // the twelve staging rows: the record's macro slots
    // Per macro number, the events the mouse's block had no room for.
    MacroDropCounts dropped{};
    std::vector<std::string> names;  // the macro list at the end
    MacroMoves moves;                // where the macros of the opening went
};

class MacroManager : private MacroRecorder::Host {
public:
    struct Notices {
        std::function<void(ManagerChange)> changed;
        // The key capture could not be taken (the grab status).
        std::function<void(int errorCode)> captureFailed;
        // A write of the store failed (the reason). The manager keeps the edits; the next
        // write that succeeds saves them all.
        std::function<void(std::error_code)> storeFailed;
    };

    // Opens on the store at storePath: lists its macros and loads the first. The staging rows
    // outlive the manager (they keep their content between runs); the store is saved through
    // writes after every edit, and read from the manager's copy, so a pending write never
    // shows the file behind the edits.
    MacroManager(const std::filesystem::path& storePath, FileWrites& writes, MacroRows& staging,
                 KeyCapture& capture, MillisecondClock clock, PostTask post, std::string namePrefix,
                 Notices notices);
    ~MacroManager() override;

    const std::vector<std::string>& Names() const { return names_; }
    int SelectedMacro() const { return selected_; }
    const std::vector<std::string>& Events() const { return events_; }
    int SelectedEvent() const { return selectedEvent_; }
    const std::string& LoopField() const { return loopText_; }
    bool LoopFieldEnabled() const { return loopFieldEnabled_; }
    bool RecordDelays() const override { return recordDelays_; }
    bool Loops() const { return loops_; }
    bool Recording() const { return recorder_.Recording(); }
    MacroRecorder& Recorder() { return recorder_; }

    // The macro list's selection (-1: none): a running recording goes to its own macro, then
    // the selected macro is read from the store.
    void SelectMacro(int index);
    // Every change of the loop field's text: a count outside 1..65535 becomes "1"; the count
    // goes to the selected macro's staging row and its "MacroLoopTimes".
    void SetLoopField(std::string text);
    void ToggleRecordDelays();
    // Stops a recording, then ticks or clears the box; the loop field follows it.
    void ToggleLoops();
    // The record button: stops a running recording, else starts one.
    void RecordButton();
    // Stops a recording, writes the selected macro, then adds a macro named by NewMacroName
    // with loop count 1 and selects it. False, with nothing changed, when twelve exist: the
    // limit message is due.
    bool New();
    // Stops a recording and removes the selected macro from the list and the store; the
    // entry at the same place (or the last) is selected next.
    void Delete();
    // A right-click on the event list opens the event menu; a recording ends first.
    void StopRecording();

    // The event list's selection (-1: none).
    void SelectEvent(int index);
    // The keyboard moved the selection: a delay it lands on is tracked as a first click
    // would track it, so that a click on it then starts its edit.
    void SelectEventByKey(int index);
    // A click or double click on event `index`: true when it is a delay clicked for the
    // second time, so its in-place edit starts.
    bool ClickEvent(int index);
    // The event menu, on the selected event.
    void DeleteEvent();
    void InsertClick(std::string_view buttonName);  // "L-Button", "M-Button", "R-Button"
    void InsertDelay();

    // An in-place edit ended: entry `index` of the macro list (a rename) or of the event
    // list (a delay) now reads `text`. The rename moves the macro's section in the same
    // write that lists the new name; a name the store cannot hold or that another macro has
    // keeps the old one. No-op edits (cancelled, same text) rewrite the macro as it is.
    void EndNameEdit(int index, std::string text);
    void EndDelayEdit(int index, std::string text);

    // The store as the manager holds it.
    const MacroStoreCopy& Store() const { return store_; }
    // Why the last write of the store failed; none when the file holds every edit.
    std::error_code StoreProblem() const { return storeProblem_; }

    // OK: stops a recording and writes the selected macro. Once every write has ended, done
    // gets every stored macro encoded into the staging rows (a store without macros leaves the
    // rows as they are); or nothing when the last write failed, since the file then does not
    // hold the list the buttons would follow: the manager stays as it is.
    void Ok(std::function<void(std::optional<MacroManagerResult>)> done);
    // Cancel and close: stops a recording; done runs once every write has ended (the store
    // keeps every edit it could be given).
    void Cancel(std::function<void()> done);

private:
    // MacroRecorder::Host
    std::optional<std::string> SelectedMacroName() const override;
    std::string LoopText() const override { return loopText_; }
    void ClearEvents() override;
    void AppendEvent(std::string text) override;
    void FollowLoopsBox() override;
    void WriteCurrentMacro() override;
    void WriteRecordedMacro(const std::vector<std::string>& log) override;
    void RecordingChanged() override { Tell(ManagerChange::Recording); }
    void CaptureFailed(int errorCode) override;

    void OnSaved(std::error_code error);
    MacroManagerResult Encode();

    void LoadSelectedMacro();
    void DeleteSelectedMacro();
    // Writes the name list, removes the section `removed` and rewrites the selected macro.
    void WriteList(std::string_view removed);
    std::optional<NamedMacro> SelectedMacroContent() const;
    bool IsEvent(int index) const;
    void Tell(ManagerChange change) const;

    MacroStoreCopy store_;
    std::error_code storeProblem_;
    MacroRows& staging_;
    std::string namePrefix_;
    Notices notices_;
    std::vector<std::string> names_;
    // Per entry of names_: its number when the manager opened, -1 for a new macro.
    std::vector<int> openedAs_;
    std::vector<std::string> openedNames_;
    int selected_ = -1;
    std::vector<std::string> events_;
    int selectedEvent_ = -1;
    int trackedEvent_ = 0;
    std::string loopText_;
    bool loopFieldEnabled_ = false;
    bool recordDelays_ = false;
    bool loops_ = false;
    MacroRecorder recorder_;
};

}  // namespace vorlak
