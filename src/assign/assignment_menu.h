// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment menu of an entry: every function of the catalogue as the tree of items the
// window shows, with the command ids the items send and the fixed item widths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/ui_text.h"

namespace vorlak {

// Command ids of the menu items. Every id of 1001..4000 reaches the dispatcher.
inline constexpr int kFirstAssignmentCommand = 1001;
inline constexpr int kLastAssignmentCommand = 4000;
// 2001..2006: click, menu, scroll, forward, back, double click.
inline constexpr int kMenuClick = 2001;
inline constexpr int kMenuShift = 2010;
inline constexpr int kMenuKeyboardKey = 2011;
inline constexpr int kMenuMacro = 2012;
inline constexpr int kMenuDeactivated = 2013;
inline constexpr int kMenuDpiFirst = 2020;              // up, down, loop
inline constexpr int kMenuWindowsShortcutFirst = 2030;  // the seven Windows shortcuts
inline constexpr int kMenuMultimediaFirst = 2050;       // the eight multimedia functions
inline constexpr int kMenuOfficeFirst = 2060;           // the ten office shortcuts

struct AssignmentMenuItem {
    std::string text;
    int id = 0;  // the command the item sends; 0 for an item that opens a submenu
    int submenuWidth = 0;
    std::vector<AssignmentMenuItem> submenu;  // leaves only
};

struct AssignmentMenu {
    int width = 0;
    std::vector<AssignmentMenuItem> items;
};

// The menu of entry 0..13 in the language of text and languageCode: the six mouse
// functions, Shift (base entries only), the DPI, multimedia, office and Windows submenus,
// keyboard key, macro and deactivated. No separators, marks or images.
AssignmentMenu BuildAssignmentMenu(int entry, const UiTextTable& text,
                                   std::string_view languageCode);

}  // namespace vorlak
