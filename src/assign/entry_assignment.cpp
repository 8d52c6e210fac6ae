// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/entry_assignment.h"

#include <algorithm>

#include "keys/key_table.h"

namespace vorlak {
namespace {

// Each stores the parameter field of its choice; false when the choice leaves the entry
// unchanged (then nothing was written).
bool StoreParameter(MouseConfig&, std::size_t, const PlainChoice&, const MacroStore&) {
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const DpiChoice& c, const MacroStore&) {
    r.KeyDpiAction[e] = c.action;
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const MultimediaChoice& c, const MacroStore&) {
    r.KeyMediaUsage[e] = c.usageLow;
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const OfficeChoice& c, const MacroStore&) {
    r.KeyOfficeKey[e] = c.keyUsage;
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const WindowsShortcutChoice& c,
                    const MacroStore&) {
    r.KeyWinShortcut[e] = c.index;
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const KeyChoice& c, const MacroStore&) {
    if (c.keyName.empty())
        return false;
    r.KeyCode[e] = KeyNameToUsage(c.keyName);
    return true;
}
bool StoreParameter(MouseConfig& r, std::size_t e, const MacroChoice& c, const MacroStore& macros) {
    // The record has twelve macro slots; a longer name list in a foreign store cannot be played.
    if (c.index < 0 || c.index >= kMacroSlots)
        return false;
    r.KeyMacroIndex[e] = static_cast<Byte>(c.index);
    // A macro of one event or none is only ever played once.
    r.KeyMacroMode[e] = macros.ReadItemCount(c.name) <= 1 ? Byte{0} : c.playMode;
    return true;
}

std::string LabelOf(const MouseConfig& record, int entry, const EntryChoice& choice,
                    const AssignmentContext& context) {
    // The key label shows the name as captured: names without a usage ("App") still read well.
    if (const auto* key = std::get_if<KeyChoice>(&choice))
        return KeyboardKeyLabel(context.text, key->keyName);
    const auto* macro = std::get_if<MacroChoice>(&choice);
    return FunctionLabel(record, entry, context.text, context.languageCode,
                         macro ? std::string_view(macro->name) : std::string_view());
}

}  // namespace

bool IsLastClick(const MouseConfig& record, int entry) {
    if (entry < 0 || entry >= kBaseEntryCount)
        return false;
    const auto base = record.KeyFunction.begin();
    return record.KeyFunction[static_cast<std::size_t>(entry)] == kFnLeftClick &&
           std::count(base, base + kBaseEntryCount, kFnLeftClick) == 1;
}

MessageText LastClickMessage(const UiTextTable& text) {
    return {text.TxtLastClickWarning, text.TxtAttention};
}

EntryAssignment SetEntryFunction(MouseConfig& record, EntryLabels& labels, int entry,
                                 const EntryChoice& choice, const AssignmentContext& context) {
    if (entry < 0 || entry >= kEntryCount)
        return {AssignReason::NotAnEntry, {}};
    const auto e = static_cast<std::size_t>(entry);
    const Byte previous = record.KeyFunction[e];
    const Byte code = std::visit([](const auto& c) { return c.Code(); }, choice);
    const bool shiftLayer = entry >= kFirstShiftEntry;
    if (shiftLayer && previous == kFnShift)
        return {AssignReason::ShiftFollowsBase, {}};
    if (shiftLayer && code == kFnShift)
        return {AssignReason::NoShiftInShiftLayer, {}};
    if (IsLastClick(record, entry) && code != kFnLeftClick)
        return {AssignReason::LastClick, {}};
    const bool stored = std::visit(
        [&](const auto& c) { return StoreParameter(record, e, c, context.macros); }, choice);
    if (!stored)
        return {AssignReason::NothingChosen, {}};
    record.KeyFunction[e] = code;
    labels[e] = LabelOf(record, entry, choice, context);

    std::vector<int> changed{entry};
    auto setMirror = [&](Byte mirrorCode, std::string_view label) {
        const int m = MirrorOf(entry);
        record.KeyFunction[static_cast<std::size_t>(m)] = mirrorCode;
        labels[static_cast<std::size_t>(m)] = std::string(label);
        changed.push_back(m);
    };
    if (!shiftLayer && code == kFnShift) {
        setMirror(kFnShift, kShiftLabel);
    } else if (!shiftLayer && previous == kFnShift) {
        setMirror(kFnDeactivated, context.text.TxtFnDeactivated);
    }
    return {AssignReason::Assigned, std::move(changed)};
}

}  // namespace vorlak
