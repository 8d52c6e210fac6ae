// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_table.h"

#include <algorithm>
#include <array>

namespace vorlak {
namespace {

constexpr int kNoVirtualKey = -1;

// Rows in HID usage order, which is also the lookup order.
constexpr std::array<KeyRow, 108> kKeyRows = {{
    // Letters.
    {"A", 4, 65},
    {"B", 5, 66},
    {"C", 6, 67},
    {"D", 7, 68},
    {"E", 8, 69},
    {"F", 9, 70},
    {"G", 10, 71},
    {"H", 11, 72},
    {"I", 12, 73},
    {"J", 13, 74},
    {"K", 14, 75},
    {"L", 15, 76},
    {"M", 16, 77},
    {"N", 17, 78},
    {"O", 18, 79},
    {"P", 19, 80},
    {"Q", 20, 81},
    {"R", 21, 82},
    {"S", 22, 83},
    {"T", 23, 84},
    {"U", 24, 85},
    {"V", 25, 86},
    {"W", 26, 87},
    {"X", 27, 88},
    {"Y", 28, 89},
    {"Z", 29, 90},
    // Digits: the keyboard's order puts 0 after 9.
    {"1", 30, 49},
    {"2", 31, 50},
    {"3", 32, 51},
    {"4", 33, 52},
    {"5", 34, 53},
    {"6", 35, 54},
    {"7", 36, 55},
    {"8", 37, 56},
    {"9", 38, 57},
    {"0", 39, 48},
    // Enter to Caps Lock ("Eurpo(Note 2)" is the non-US key and has no virtual key).
    {"Enter", 40, 13},
    {"Esc", 41, 27},
    {"Backspace", 42, 8},
    {"Tab", 43, 9},
    {"Space", 44, 32},
    {"-", 45, 189},
    {"=", 46, 187},
    {"[", 47, 219},
    {"]", 48, 221},
    {"\\", 49, 220},
    {"Eurpo(Note 2)", 50, kNoVirtualKey},
    {";", 51, 186},
    {"'", 52, 222},
    {"`", 53, 192},
    {",", 54, 188},
    {".", 55, 190},
    {"/", 56, 191},
    {"Caps Lock", 57, 20},
    // Function keys.
    {"F1", 58, 112},
    {"F2", 59, 113},
    {"F3", 60, 114},
    {"F4", 61, 115},
    {"F5", 62, 116},
    {"F6", 63, 117},
    {"F7", 64, 118},
    {"F8", 65, 119},
    {"F9", 66, 120},
    {"F10", 67, 121},
    {"F11", 68, 122},
    {"F12", 69, 123},
    // Print Screen to the navigation keys, Num Lock, keypad operators and Enter.
    {"Prnt Scrn", 70, 44},
    {"Scroll Lock", 71, 145},
    {"Pause", 72, 19},
    {"Insert", 73, 45},
    {"Home", 74, 36},
    {"Page Up", 75, 33},
    {"Delete", 76, 46},
    {"End", 77, 35},
    {"Page Down", 78, 34},
    {"Right", 79, 39},
    {"Left", 80, 37},
    {"Down", 81, 40},
    {"Up", 82, 38},
    {"Num Lock", 83, 144},
    {"Num /", 84, 111},
    {"Num *", 85, 106},
    {"Num -", 86, 109},
    {"Num +", 87, 107},
    {"Num Enter", 88, 108},
    // Keypad digits, 0 after 9 as on the keyboard.
    {"Num 1", 89, 97},
    {"Num 2", 90, 98},
    {"Num 3", 91, 99},
    {"Num 4", 92, 100},
    {"Num 5", 93, 101},
    {"Num 6", 94, 102},
    {"Num 7", 95, 103},
    {"Num 8", 96, 104},
    {"Num 9", 97, 105},
    {"Num 0", 98, 96},
    // Keypad Del, Application, the modifiers and the system's own mouse-button usages.
    {"Num Del", 99, 110},
    {"Application", 101, kNoVirtualKey},
    {"Ctrl", 224, 162},
    {"Shift", 225, 160},
    {"Alt", 226, 164},
    {"Left Windows", 227, 91},
    {"Right Ctrl", 228, 163},
    {"Right Shift", 229, 161},
    {"Right Alt", 230, 165},
    {"Right Windows", 231, 92},
    {"L-Button", 240, 241},
    {"R-Button", 241, 242},
    {"M-Button", 242, 243},
}};

// The usages rise strictly, so every usage has at most one name and the lookups are inverse.
constexpr bool UsagesRiseStrictly() {
    for (std::size_t i = 1; i < kKeyRows.size(); ++i) {
        if (kKeyRows[i - 1].usage >= kKeyRows[i].usage)
            return false;
    }
    return true;
}
static_assert(UsagesRiseStrictly());

// Names that only captured virtual keys produce. They have no usage: assigning one gives 0.
constexpr std::array<KeyRow, 6> kVirtualKeyOnlyRows = {{
    {"Select", 0, 41},
    {"Execute", 0, 43},
    {"Help", 0, 47},
    {"App", 0, 93},
    {"Button 4", 0, 244},
    {"Button 5", 0, 245},
}};

// The macro files spell the application key "App" and know the left GUI key by its HID name;
// "Application" is not a macro key name.
constexpr std::array<KeyRow, 3> kMacroNameExceptions = {{
    {"App", 101, kNoVirtualKey},
    {"Left GUI", 227, kNoVirtualKey},
    {"Application", 0, kNoVirtualKey},
}};

template <class Match>
const KeyRow* FindRow(std::span<const KeyRow> rows, Match match) {
    auto it = std::find_if(rows.begin(), rows.end(), match);
    return it == rows.end() ? nullptr : &*it;
}

}  // namespace

std::span<const KeyRow> KeyTable() {
    return kKeyRows;
}

std::uint8_t KeyNameToUsage(std::string_view name) {
    const KeyRow* row = FindRow(kKeyRows, [name](const KeyRow& r) { return r.name == name; });
    return row ? row->usage : 0;
}

std::string_view UsageToKeyName(std::uint8_t usage) {
    const KeyRow* row = FindRow(kKeyRows, [usage](const KeyRow& r) { return r.usage == usage; });
    return row ? row->name : "N/A";
}

std::string_view VirtualKeyToKeyName(int virtualKey) {
    if (virtualKey == kNoVirtualKey)
        return {};
    auto match = [virtualKey](const KeyRow& r) { return r.virtualKey == virtualKey; };
    const KeyRow* row = FindRow(kKeyRows, match);
    if (!row)
        row = FindRow(kVirtualKeyOnlyRows, match);
    return row ? row->name : std::string_view();
}

std::uint8_t MacroKeyNameToUsage(std::string_view name) {
    const KeyRow* row =
        FindRow(kMacroNameExceptions, [name](const KeyRow& r) { return r.name == name; });
    return row ? row->usage : KeyNameToUsage(name);
}

}  // namespace vorlak
