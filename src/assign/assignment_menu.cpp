// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/assignment_menu.h"

#include <span>

#include "assign/function_catalogue.h"

namespace vorlak {
namespace {

constexpr int kTopWidth = 120;
constexpr int kDpiWidth = 50;
constexpr int kMultimediaWidth = 100;
constexpr int kOfficeWidth = 100;
constexpr int kWindowsWidth = 120;

template <typename Names>
AssignmentMenuItem Submenu(const std::string& caption, int width, int firstId, const Names& names) {
    AssignmentMenuItem item{caption, 0, width, {}};
    int id = firstId;
    for (const auto& name : names)
        item.submenu.push_back({std::string(name), id++, 0, {}});
    return item;
}

}  // namespace

AssignmentMenu BuildAssignmentMenu(int entry, const UiTextTable& text,
                                   std::string_view languageCode) {
    AssignmentMenu menu{kTopWidth, {}};
    auto& items = menu.items;
    int id = kMenuClick;
    for (const std::string* caption : {&text.TxtFnClick, &text.TxtFnMenu, &text.TxtFnScroll,
                                       &text.TxtFnForward, &text.TxtFnBack, &text.TxtFnDoubleClick})
        items.push_back({*caption, id++, 0, {}});
    // The Shift layer cannot hold the Shift function.
    if (entry < kFirstShiftEntry)
        items.push_back({std::string(kShiftLabel), kMenuShift, 0, {}});
    items.push_back(Submenu(text.TxtMenuDpi, kDpiWidth, kMenuDpiFirst, DpiFunctionNames(text)));
    items.push_back(Submenu(text.TxtMenuMultimedia, kMultimediaWidth, kMenuMultimediaFirst,
                            MultimediaFunctionNames(languageCode)));
    items.push_back(Submenu(text.TxtMenuOffice, kOfficeWidth, kMenuOfficeFirst,
                            OfficeFunctionNames(languageCode)));
    items.push_back(Submenu(text.TxtMenuWindows, kWindowsWidth, kMenuWindowsShortcutFirst,
                            WindowsShortcutNames(languageCode)));
    items.push_back({text.TxtFnKeyboardKey, kMenuKeyboardKey, 0, {}});
    items.push_back({text.TxtFnMacro, kMenuMacro, 0, {}});
    items.push_back({text.TxtFnDeactivated, kMenuDeactivated, 0, {}});
    return menu;
}

}  // namespace vorlak
