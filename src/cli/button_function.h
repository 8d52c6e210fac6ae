// SPDX-License-Identifier: GPL-3.0-or-later
// What a button does, decoded from the record's function code and parameters rather than read
// from its label: for vorlakctl show, in the words vorlakctl assign takes ("key F5", "media
// mute", "macro "Combo" while-held").
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "assign/function_catalogue.h"
#include "record/mouse_config.h"

namespace vorlak {

// The macro picker's play modes (KeyMacroMode 0..2), by the words of the command line.
inline constexpr std::array<std::string_view, 3> kPlayModes = {"once", "until-any-button",
                                                               "while-held"};

// The command words of the functions without a parameter, as show prints them and assign takes
// them; the last three no window gives, so assign does not take them.
struct FunctionWord {
    std::string_view word;
    Byte code;
};
inline constexpr std::array<FunctionWord, 11> kPlainFunctionWords = {{
    {"click", kFnLeftClick},
    {"menu", kFnRightClick},
    {"scroll", kFnMiddleClick},
    {"forward", kFnForward},
    {"back", kFnBack},
    {"double-click", kFnDoubleClick},
    {"deactivated", kFnDeactivated},
    {"shift", kFnShift},
    {"left-tilt", kFnLeftTilt},
    {"right-tilt", kFnRightTilt},
    {"shift-dpi", kFnShiftDpi},
}};
inline constexpr std::size_t kAssignablePlainFunctions = 8;
// The words after "dpi-" of the DPI actions kDpiUp, kDpiDown and kDpiLoop.
inline constexpr std::array<std::string_view, 3> kDpiActionWords = {"up", "down", "loop"};

struct ButtonFunction {
    // click, menu, scroll, forward, back, double-click, dpi, media, office, windows, key, macro,
    // deactivated, shift, left-tilt, right-tilt, shift-dpi, or unknown (a code no window gives)
    std::string kind;
    // Its parameters by name, as text or number ("name": "mute", "usage": 226).
    std::vector<std::pair<std::string, std::variant<std::string, int>>> parameters;
    // The whole in words: "dpi-loop", "key \"Page Up\"", "macro \"Combo\" while-held".
    std::string text;
};

// The function of entry 0..13; macroNames are the macro store's, in number order.
ButtonFunction DecodeButton(const MouseConfig& record, int entry,
                            const std::vector<std::string>& macroNames);

// A catalogue name as a command word: lower case, blanks as "-" ("Select All": select-all).
std::string CommandWord(std::string_view name);

}  // namespace vorlak
