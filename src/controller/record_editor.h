// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam for every edit of the working record: one typed operation per change a user
// can make, each keeping its own rules, and a change notice to the views. The window, its
// panels, menus and dialogs and vorlakctl are its clients; none of them writes record bytes.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "assign/entry_assignment.h"
#include "record/mouse_config.h"

namespace vorlak {

// What an operation did.
enum class EditResult {
    Changed,    // the record changed; the observers were told
    Unchanged,  // the value was there already
    Refused,    // a write to the mouse is running: the record stays as it is sent
    Invalid,    // a value or index outside what the record field takes; nothing changed
};

// The groups of fields an observer repaints. `index` is the entry 0..13 for Entry, the stage
// 0..5 for DpiStage, the slot 0..11 for MacroSlot; -1 otherwise.
enum class RecordPart {
    Entry,        // an entry's function, parameter and label
    DpiStage,     // a stage's code, enabled flag or colour
    Lighting,     // mode and the three steps
    Polling,      // the polling divisor
    Sensitivity,  // X and Y
    Pointer,      // pointer speed, double-click step, wheel lines and page mode
    MacroSlot,    // one macro slot's bytes
    // Another record and its labels (a profile loaded or switched, an import, Cancel, the
    // defaults): views show it, and may start afresh (close their sections).
    Whole,
    // The current profile's record and labels again (after Apply, on a tray reopen, on the
    // mouse's arrival): views show it and stay as the user left them.
    Reloaded,
};
struct RecordChange {
    RecordPart part;
    int index = -1;
};
using RecordObserver = std::function<void(const RecordChange&)>;

// What an assignment did: the entries changed (the entry first, then its mirror), or why
// nothing changed. LastClick: show LastClickMessage.
enum class AssignOutcome { Assigned, Unchanged, LastClick, Refused };
struct AssignResult {
    AssignOutcome outcome;
    std::vector<int> changed;
    // The assignment rule's own word (Assigned when it was not asked: Refused).
    AssignReason reason = AssignReason::Assigned;
};

inline constexpr int kEditableDpiStages = 6;  // the seventh stage is never edited
inline constexpr int kMinDpiSliderCode = 1;
inline constexpr int kMaxDpiSliderCode = 54;
inline constexpr int kMinStep = 1;  // lighting steps 1..6
inline constexpr int kMaxLightStep = 6;
inline constexpr int kMaxDialStep = 11;  // sensitivity, pointer speed and double-click 1..11
inline constexpr int kMaxWheelLines = 100;

enum class LightStep { Brightness, BreathRate, NeonRate };

class RecordEditor {
public:
    // The record lives in the store, where the profile files read it; the editor is its only
    // writer besides those reads, which the controller announces with Loaded. It starts from
    // the defaults, so a file shorter than a record leaves default bytes, never zeros.
    explicit RecordEditor(MouseConfig& record);

    const MouseConfig& Record() const { return record_; }
    const EntryLabels& Labels() const { return labels_; }

    void AddObserver(RecordObserver observer);
    // While a write to the mouse runs every operation is refused.
    void SetWriting(bool writing) { writing_ = writing; }
    bool Writing() const { return writing_; }

    // Entry 0..13 through the assignment rules (SetEntryFunction): the last left click stays,
    // the Shift layer keeps Shift, a base entry's Shift sets or frees its mirror.
    AssignResult AssignEntry(int entry, const EntryChoice& choice,
                             const AssignmentContext& context);

    // Stage 0..5. A code is a slider position 1..54; storing one switches the stage on.
    EditResult SetDpiCode(int stage, int code);
    // The flag is 0 or 1.
    EditResult SetDpiEnabled(int stage, bool enabled);
    // The toggle: a flag of 0 becomes 1, any other flag 0.
    EditResult ToggleDpiEnabled(int stage);
    // Only a stage whose flag is exactly 1 takes a colour.
    EditResult SetDpiColor(int stage, std::array<Byte, 3> rgb);

    // Mode 1 Standard, 2 Respiration, 3 Neon; steps 1..6.
    EditResult SetLightMode(int mode);
    EditResult SetLightStep(LightStep step, int value);

    // The divisor of 1000 Hz: 1, 2, 4 or 8.
    EditResult SetPollingDivisor(int divisor);

    // Slider positions 1..11.
    EditResult SetSensitivityX(int value);
    EditResult SetSensitivityY(int value);

    // Steps 1..11.
    EditResult SetPointerSpeed(int step);
    EditResult SetDoubleClickStep(int step);
    // 1..100; the page mode keeps the line count.
    EditResult SetWheelLines(int lines);
    EditResult SetWheelPageScroll(bool page);

    // Slot 0..11: the bytes the macro manager encoded.
    EditResult SetMacroSlot(int slot, const std::array<Byte, kMacroSlotSize>& bytes);

    // Whole-record changes, told as Whole.
    // The profile files read a record into the store (Loaded), or none could be read.
    void Loaded(const EntryLabels& labels);
    // Cancel: back to the snapshot.
    EditResult RevertTo(const MouseConfig& snapshot);
    // The defaults over bytes 1..327, the profile slot and the macro slots of `kept` (the
    // record before the default file was read into the store), and the default labels.
    EditResult ResetToDefaults(const MouseConfig& kept, const EntryLabels& defaultLabels);
    // A record read from elsewhere (an import) with its labels.
    EditResult Replace(const MouseConfig& record, const EntryLabels& labels);
    // The labels alone (a reload of the settings file).
    EditResult ReplaceLabels(const EntryLabels& labels);

    // The current profile again, told as Reloaded: the profile files read it once more into
    // the store (its labels given), or a write to the mouse has sent this record.
    void ReloadedLabels(const EntryLabels& labels);
    EditResult ReloadedRecord(const MouseConfig& record);

private:
    // Every edit of a field: stores value into field when allowed, and tells the observers
    // the change. No operation writes a field without it, so none forgets its notice.
    template <class Field, class Value>
    EditResult Store(Field& field, const Value& value, RecordChange change);
    EditResult Whole(RecordPart part = RecordPart::Whole);
    void Tell(const RecordChange& change) const;

    MouseConfig& record_;
    EntryLabels labels_;
    bool writing_ = false;
    std::vector<RecordObserver> observers_;
};

}  // namespace vorlak
