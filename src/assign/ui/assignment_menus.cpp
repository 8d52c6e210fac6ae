// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/ui/assignment_menus.h"

#include <QMessageBox>
#include <QWidget>

#include <memory>
#include <vector>

#include "controls/language_message_box.h"
#include "controls/skin_menu.h"
#include "macro/ui/macro_picker.h"

namespace vorlak {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The menu sits beside the box: 5 pixels right of its right edge, level with its top.
constexpr int kMenuGap = 5;

}  // namespace

AssignmentMenuWidgets MakeAssignmentMenu(const AssignmentMenu& menu, const QFont& font,
                                         QWidget* owner) {
    AssignmentMenuWidgets widgets{std::make_unique<SkinMenu>(font, owner), {}};
    SkinMenu& top = *widgets.top;
    for (const AssignmentMenuItem& item : menu.items) {
        if (item.submenu.empty()) {
            top.AppendItem(item.id, Q(item.text));
            continue;
        }
        auto submenu = std::make_unique<SkinMenu>(font, owner);
        for (const AssignmentMenuItem& leaf : item.submenu)
            submenu->AppendItem(leaf.id, Q(leaf.text));
        submenu->SetWidth(item.submenuWidth);
        top.AppendItem(0, Q(item.text), submenu.get());
        widgets.submenus.push_back(std::move(submenu));
    }
    top.SetWidth(menu.width);
    return widgets;
}

int ShowAssignmentMenu(const AssignmentMenu& menu, const QFont& font, const QPoint& at,
                       QWidget* owner) {
    return MakeAssignmentMenu(menu, font, owner).top->Show(at);
}

AssignmentMenus::AssignmentMenus(AssignmentMenuParts parts, const MouseConfig& record,
                                 EntryAssign assign)
    : parts_(std::move(parts)),
      macros_(parts_.macroStorePath),
      assign_(std::move(assign)),
      dispatcher_(record, {[this](int entry, const EntryChoice& choice) {
                               assign_(entry, choice, {parts_.text, parts_.languageCode, macros_});
                           },
                           [this](std::string_view preset) { return AskKey(preset); },
                           [this] { return AskMacro(); }}) {}

std::optional<int> AssignmentMenus::Show(int entry, const QWidget& box) {
    switch (dispatcher_.Opening(entry)) {
        case MenuOpening::None:
            return std::nullopt;
        case MenuOpening::LastClickMessage: {
            const MessageText message = LastClickMessage(parts_.text);
            QMessageBox warning(QMessageBox::NoIcon, Q(message.caption), Q(message.text),
                                QMessageBox::Ok, &parts_.window);
            ShowInLanguage(warning, parts_.languageCode);
            return 0;
        }
        case MenuOpening::Menu:
            break;
    }
    const QPoint at = box.mapToGlobal(QPoint(box.width() + kMenuGap, 0));
    const int id = ShowAssignmentMenu(BuildAssignmentMenu(entry, parts_.text, parts_.languageCode),
                                      parts_.font, at, &parts_.window);
    dispatcher_.MenuClosed(entry);
    return id;
}

std::optional<std::string> AssignmentMenus::AskKey(std::string_view preset) {
    KeyCaptureDialog dialog(parts_.programFolder, parts_.languageCode, parts_.makeCapture,
                            &parts_.window);
    dialog.SetKeyName(std::string(preset));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.KeyName();
}

std::optional<MacroChoice> AssignmentMenus::AskMacro() {
    MacroPicker dialog(parts_.programFolder, parts_.languageCode, macros_, &parts_.window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MacroChoice{dialog.ChosenIndex(), static_cast<Byte>(dialog.PlayMode()),
                       dialog.ChosenName()};
}

}  // namespace vorlak
