// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/record_editor.h"

namespace vorlak {
namespace {

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

bool IsStage(int stage) {
    return Within(stage, 0, kEditableDpiStages - 1);
}

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

RecordEditor::RecordEditor(MouseConfig& record) : record_(record) {
    vorlak::ResetToDefaults(record_);
}

void RecordEditor::AddObserver(RecordObserver observer) {
    observers_.push_back(std::move(observer));
}

void RecordEditor::Tell(const RecordChange& change) const {
    for (const RecordObserver& observer : observers_)
        observer(change);
}

template <class Field, class Value>
EditResult RecordEditor::Store(Field& field, const Value& value, RecordChange change) {
    if (writing_)
        return EditResult::Refused;
    const Field stored = static_cast<Field>(value);
    if (field == stored)
        return EditResult::Unchanged;
    field = stored;
    Tell(change);
    return EditResult::Changed;
}

AssignResult RecordEditor::AssignEntry(int entry, const EntryChoice& choice,
                                       const AssignmentContext& context) {
    if (writing_)
        return {AssignOutcome::Refused, {}};
    EntryAssignment done = SetEntryFunction(record_, labels_, entry, choice, context);
    if (done.reason != AssignReason::Assigned) {
        const bool lastClick = done.reason == AssignReason::LastClick;
        return {lastClick ? AssignOutcome::LastClick : AssignOutcome::Unchanged, {}, done.reason};
    }
    for (int e : done.changed)
        Tell({RecordPart::Entry, e});
    return {AssignOutcome::Assigned, std::move(done.changed), done.reason};
}

EditResult RecordEditor::SetDpiCode(int stage, int code) {
    if (!IsStage(stage) || !Within(code, kMinDpiSliderCode, kMaxDpiSliderCode))
        return EditResult::Invalid;
    if (writing_)
        return EditResult::Refused;
    // Moving a DPI slider switches its stage on.
    Byte& enabled = record_.dpiEnabled[At(stage)];
    const bool switchOn = enabled == 0;
    const EditResult result =
        Store(record_.dpiLevel[At(stage)], code, {RecordPart::DpiStage, stage});
    if (!switchOn)
        return result;
    enabled = 1;
    if (result == EditResult::Unchanged)
        Tell({RecordPart::DpiStage, stage});
    return EditResult::Changed;
}

EditResult RecordEditor::SetDpiEnabled(int stage, bool enabled) {
    if (!IsStage(stage))
        return EditResult::Invalid;
    return Store(record_.dpiEnabled[At(stage)], enabled ? 1 : 0, {RecordPart::DpiStage, stage});
}

EditResult RecordEditor::ToggleDpiEnabled(int stage) {
    if (!IsStage(stage))
        return EditResult::Invalid;
    return SetDpiEnabled(stage, record_.dpiEnabled[At(stage)] == 0);
}

EditResult RecordEditor::SetDpiColor(int stage, std::array<Byte, 3> rgb) {
    if (!IsStage(stage) || record_.dpiEnabled[At(stage)] != 1)
        return EditResult::Invalid;
    return Store(record_.dpiColor[At(stage)], rgb, {RecordPart::DpiStage, stage});
}

EditResult RecordEditor::SetLightMode(int mode) {
    if (!Within(mode, 1, 3))
        return EditResult::Invalid;
    return Store(record_.lightMode, mode, {RecordPart::Lighting});
}

EditResult RecordEditor::SetLightStep(LightStep step, int value) {
    if (!Within(value, kMinStep, kMaxLightStep))
        return EditResult::Invalid;
    Byte* const fields[] = {&record_.lightBrightness, &record_.lightBreathRate,
                            &record_.lightNeonRate};
    return Store(*fields[static_cast<int>(step)], value, {RecordPart::Lighting});
}

EditResult RecordEditor::SetPollingDivisor(int divisor) {
    if (divisor != 1 && divisor != 2 && divisor != 4 && divisor != 8)
        return EditResult::Invalid;
    return Store(record_.pollingDivisor, divisor, {RecordPart::Polling});
}

EditResult RecordEditor::SetSensitivityX(int value) {
    if (!Within(value, kMinStep, kMaxDialStep))
        return EditResult::Invalid;
    return Store(record_.sensitivityX, value, {RecordPart::Sensitivity});
}

EditResult RecordEditor::SetSensitivityY(int value) {
    if (!Within(value, kMinStep, kMaxDialStep))
        return EditResult::Invalid;
    return Store(record_.sensitivityY, value, {RecordPart::Sensitivity});
}

EditResult RecordEditor::SetPointerSpeed(int step) {
    if (!Within(step, kMinStep, kMaxDialStep))
        return EditResult::Invalid;
    return Store(record_.pointerSpeed, step, {RecordPart::Pointer});
}

EditResult RecordEditor::SetDoubleClickStep(int step) {
    if (!Within(step, kMinStep, kMaxDialStep))
        return EditResult::Invalid;
    return Store(record_.doubleClickStep, step, {RecordPart::Pointer});
}

EditResult RecordEditor::SetWheelLines(int lines) {
    if (!Within(lines, 1, kMaxWheelLines))
        return EditResult::Invalid;
    return Store(record_.wheelLines, lines, {RecordPart::Pointer});
}

EditResult RecordEditor::SetWheelPageScroll(bool page) {
    return Store(record_.wheelPageScroll, page ? 1 : 0, {RecordPart::Pointer});
}

EditResult RecordEditor::SetMacroSlot(int slot, const std::array<Byte, kMacroSlotSize>& bytes) {
    if (!Within(slot, 0, kMacroSlots - 1))
        return EditResult::Invalid;
    return Store(record_.macroSlot[At(slot)], bytes, {RecordPart::MacroSlot, slot});
}

EditResult RecordEditor::Whole(RecordPart part) {
    Tell({part});
    return EditResult::Changed;
}

void RecordEditor::Loaded(const EntryLabels& labels) {
    labels_ = labels;
    Whole();
}

EditResult RecordEditor::RevertTo(const MouseConfig& snapshot) {
    return Replace(snapshot, labels_);
}

EditResult RecordEditor::ResetToDefaults(const MouseConfig& kept,
                                         const EntryLabels& defaultLabels) {
    if (writing_)
        return EditResult::Refused;
    vorlak::ResetToDefaults(record_);
    record_.profileSlot = kept.profileSlot;
    record_.macroSlot = kept.macroSlot;
    labels_ = defaultLabels;
    return Whole();
}

EditResult RecordEditor::Replace(const MouseConfig& record, const EntryLabels& labels) {
    if (writing_)
        return EditResult::Refused;
    record_ = record;
    labels_ = labels;
    return Whole();
}

EditResult RecordEditor::ReplaceLabels(const EntryLabels& labels) {
    if (writing_)
        return EditResult::Refused;
    labels_ = labels;
    return Whole();
}

void RecordEditor::ReloadedLabels(const EntryLabels& labels) {
    labels_ = labels;
    Whole(RecordPart::Reloaded);
}

EditResult RecordEditor::ReloadedRecord(const MouseConfig& record) {
    if (writing_)
        return EditResult::Refused;
    record_ = record;
    return Whole(RecordPart::Reloaded);
}

}  // namespace vorlak
