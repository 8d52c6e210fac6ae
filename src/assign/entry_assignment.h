// SPDX-License-Identifier: GPL-3.0-or-later
// Giving an assignment entry a new function: the choices the assignment menus offer and
// the rules that keep the assignment usable (a last left click, the Shift button in both
// layers).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "assign/function_catalogue.h"
#include "macro/macro_store.h"
#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

// The fourteen label strings of the entries, as the main window shows and the profile saves them.
using EntryLabels = std::array<std::string, kEntryCount>;

// A function without a parameter: click, menu, scroll, forward, back, double click,
// deactivated or Shift.
struct PlainChoice {
    Byte code;
    Byte Code() const { return code; }
};
struct DpiChoice {
    Byte action;  // kDpiUp, kDpiDown or kDpiLoop
    Byte Code() const { return kFnDpi; }
};
struct MultimediaChoice {
    Byte usageLow;  // one of kMultimediaUsageLow
    Byte Code() const { return kFnMultimedia; }
};
struct OfficeChoice {
    Byte keyUsage;  // one of kOfficeKeyUsages
    Byte Code() const { return kFnOffice; }
};
struct WindowsShortcutChoice {
    Byte index;  // 0 .. kWindowsShortcutCount - 1
    Byte Code() const { return kFnWindowsShortcut; }
};
// The key capture dialog's result; an empty name leaves the entry unchanged.
struct KeyChoice {
    std::string keyName;
    Byte Code() const { return kFnKeyboardKey; }
};
// The macro picker's result; an index outside 0..11 (the picker gives -1 for none) leaves
// the entry unchanged.
struct MacroChoice {
    int index = -1;
    Byte playMode = 0;
    std::string name;
    Byte Code() const { return kFnMacro; }
};
using EntryChoice = std::variant<PlainChoice, DpiChoice, MultimediaChoice, OfficeChoice,
                                 WindowsShortcutChoice, KeyChoice, MacroChoice>;

// What an assignment reads besides the record: the texts of the current language and the
// macro store (for a macro's event count).
struct AssignmentContext {
    const UiTextTable& text;
    std::string_view languageCode;
    const MacroStore& macros;
};

// True when entry 0..6 carries left click and no other base entry does. The menu of such an
// entry is not offered; LastClickMessage is shown instead.
bool IsLastClick(const MouseConfig& record, int entry);

struct MessageText {
    std::string text;
    std::string caption;
};
// The message shown instead of the menu of the last left-click entry.
MessageText LastClickMessage(const UiTextTable& text);

// What an assignment did: Assigned, or the rule by which it changed nothing.
enum class AssignReason {
    Assigned,
    NotAnEntry,     // an entry outside 0..13
    NothingChosen,  // an empty key name, a macro outside the twelve slots
    LastClick,      // the last left-click entry keeps left click (LastClickMessage)
    // A Shift-layer entry that carries Shift: the held button keeps its meaning in the Shift
    // layer, and only its base entry (BaseOfMirror) frees it.
    ShiftFollowsBase,
    NoShiftInShiftLayer,  // Shift is not given to a Shift-layer entry
};
struct [[nodiscard]] EntryAssignment {
    AssignReason reason;
    // The entries whose function and label changed, the entry first, then its mirror; empty
    // unless Assigned.
    std::vector<int> changed;
};

// Stores the choice's function code and parameter in entry 0..13 and sets its label. The
// entry's function at the call is the one it carried when its menu was shown.
// - A Shift-layer entry that carries Shift is not changed, and Shift is not given to one.
// - The last left-click entry keeps left click.
// - A base entry set to Shift sets its mirror entry to Shift ("Shift") as well; a base entry
//   that carried Shift and now carries another function sets its mirror to deactivated.
// - A key name becomes KeyCode by the key table (an unknown name gives 0); the label shows
//   the name as chosen.
// - A macro of at most one event is stored with play mode 0.
EntryAssignment SetEntryFunction(MouseConfig& record, EntryLabels& labels, int entry,
                                 const EntryChoice& choice, const AssignmentContext& context);

}  // namespace vorlak
