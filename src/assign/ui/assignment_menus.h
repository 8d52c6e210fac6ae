// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment menus in the main window: a press on a label box shows the entry's menu
// (or the last-click message) beside the box, and the chosen command runs through the
// dispatcher, with the key capture dialog or the macro picker where it asks for them.
#pragma once

#include <QFont>
#include <QPoint>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assign/assignment_dispatcher.h"
#include "assign/assignment_menu.h"
#include "assign/ui/key_capture_dialog.h"
#include "controls/skin_menu.h"
#include "macro/macro_store.h"

class QWidget;

namespace vorlak {

// Gives an entry a choice with the context of the rules (the record editor's assignment).
using EntryAssign =
    std::function<void(int entry, const EntryChoice& choice, const AssignmentContext& context)>;

struct AssignmentMenuParts {
    QWidget& window;  // owns the menus, the message and the dialogs
    std::filesystem::path programFolder;
    const UiTextTable& text;
    std::string languageCode;
    QFont font;  // the main window's caption font
    std::filesystem::path macroStorePath;
    KeyCaptureFactory makeCapture;
};

// The popups of a menu in the font: each as wide as its widest item, at least its fixed
// width. The top menu opens the submenus, which live as long as it.
struct AssignmentMenuWidgets {
    std::unique_ptr<SkinMenu> top;
    std::vector<std::unique_ptr<SkinMenu>> submenus;
};
AssignmentMenuWidgets MakeAssignmentMenu(const AssignmentMenu& menu, const QFont& font,
                                         QWidget* owner);

// Shows the menu at a screen point and waits until it closes: the chosen command id, 0 for
// none.
int ShowAssignmentMenu(const AssignmentMenu& menu, const QFont& font, const QPoint& at,
                       QWidget* owner);

class AssignmentMenus {
public:
    AssignmentMenus(AssignmentMenuParts parts, const MouseConfig& record, EntryAssign assign);

    // What a press on the label box `box` of entry asks for: nothing when nothing opens
    // (a Shift-layer entry that carries Shift); 0 after the last-click message or a menu
    // closed without a choice; else the chosen command id. Commands then work on the entry.
    std::optional<int> Show(int entry, const QWidget& box);
    // Runs a command id on the entry whose menu was shown last.
    void Dispatch(int id) { dispatcher_.OnAssignmentCommand(id); }

    const AssignmentDispatcher& Dispatcher() const { return dispatcher_; }

private:
    std::optional<std::string> AskKey(std::string_view preset);
    std::optional<MacroChoice> AskMacro();

    AssignmentMenuParts parts_;
    MacroStore macros_;
    EntryAssign assign_;
    AssignmentDispatcher dispatcher_;
};

}  // namespace vorlak
