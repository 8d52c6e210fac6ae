// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment menus' logic without the window: what a press on a label box opens, and
// what a chosen command does to the entry whose menu was shown last. The window shows the
// menu, the message and the two dialogs through the prompts; the record changes only
// through the assign prompt (the record editor's assignment, with its rules).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "assign/entry_assignment.h"

namespace vorlak {

// What a press on the label box of an entry opens.
enum class MenuOpening {
    None,              // a Shift-layer entry that carries Shift cannot be changed
    LastClickMessage,  // the only left click of the base layer: LastClickMessage, no menu
    Menu,              // the assignment menu (BuildAssignmentMenu)
};

struct AssignmentPrompts {
    // Gives the entry the choice, through the assignment rules.
    std::function<void(int entry, const EntryChoice& choice)> assign;
    // The key capture dialog, preset with a key name (or ""): the key name on OK (possibly
    // empty), nothing on Cancel.
    std::function<std::optional<std::string>(std::string_view preset)> askKey;
    // The macro picker: its choice on OK (index -1 when none was chosen), nothing on Cancel.
    std::function<std::optional<MacroChoice>()> askMacro;
};

class AssignmentDispatcher {
public:
    AssignmentDispatcher(const MouseConfig& record, AssignmentPrompts prompts);

    MenuOpening Opening(int entry) const;
    // The menu of the entry was shown and has closed: commands now work on that entry.
    void MenuClosed(int entry) { currentEntry_ = entry; }
    // -1 until a menu has been shown.
    int CurrentEntry() const { return currentEntry_; }

    // A command id of 1001..4000 on the current entry. Ids outside the menu's table, and
    // every id before the first menu was shown, change nothing. The keyboard key asks for
    // the key preset with the entry's current key; an empty name or Cancel changes nothing,
    // as do Cancel and no choice in the macro picker.
    void OnAssignmentCommand(int id);

private:
    std::optional<EntryChoice> AskKey() const;
    std::optional<EntryChoice> AskMacro() const;

    const MouseConfig& record_;
    AssignmentPrompts prompts_;
    int currentEntry_ = -1;
};

// The choice a command id of the menu makes without a dialog; nothing for the keyboard key,
// the macro and ids outside the menu's table.
std::optional<EntryChoice> ChoiceOfCommand(int id);

}  // namespace vorlak
