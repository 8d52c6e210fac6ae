// SPDX-License-Identifier: GPL-3.0-or-later
// The functions an assignment entry can carry: their codes, the parameter tables of the
// multimedia, office and Windows-shortcut functions, the entry layout and the labels.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

// Function codes as stored in MouseConfig::KeyFunction. 12 and 14 are unused.
inline constexpr Byte kFnLeftClick = 0;
inline constexpr Byte kFnRightClick = 1;
inline constexpr Byte kFnMiddleClick = 2;
inline constexpr Byte kFnForward = 3;
inline constexpr Byte kFnBack = 4;
inline constexpr Byte kFnDoubleClick = 5;
inline constexpr Byte kFnDpi = 6;
inline constexpr Byte kFnMultimedia = 7;
inline constexpr Byte kFnOffice = 8;
inline constexpr Byte kFnWindowsShortcut = 9;
inline constexpr Byte kFnKeyboardKey = 10;
inline constexpr Byte kFnMacro = 11;
inline constexpr Byte kFnDeactivated = 13;
inline constexpr Byte kFnLeftTilt = 15;   // only from stored profiles
inline constexpr Byte kFnRightTilt = 16;  // only from stored profiles
inline constexpr Byte kFnShiftDpi = 17;   // only from stored profiles
inline constexpr Byte kFnShift = 18;

// MouseConfig::KeyDpiAction of a DPI entry.
inline constexpr Byte kDpiUp = 1;
inline constexpr Byte kDpiDown = 2;
inline constexpr Byte kDpiLoop = 3;

// Low bytes of the consumer usages of the multimedia functions, in menu order. The record
// keeps only the low byte; the high byte is 1 for 0x83 (0x0183, the media player) and 0 else.
inline constexpr std::array<Byte, 8> kMultimediaUsageLow = {0x83, 0xB5, 0xB6, 0xB7,
                                                            0xCD, 0xE2, 0xE9, 0xEA};
// Keyboard usages pressed with Left Control by the office functions, in menu order:
// N, X, C, V, S, P, F, Y, Z, A.
inline constexpr std::array<Byte, 10> kOfficeKeyUsages = {0x11, 0x1B, 0x06, 0x19, 0x16,
                                                          0x13, 0x09, 0x1C, 0x1D, 0x04};
// Number of Windows shortcuts (MouseConfig::KeyWinShortcut 0..6).
inline constexpr int kWindowsShortcutCount = 7;

// Entry layout: entries 0..6 are the base layer in button order, 7..13 the Shift layer in
// key-matrix slot order.
inline constexpr int kBaseEntryCount = 7;
inline constexpr int kFirstShiftEntry = 7;

// The key-matrix slot of base entry 0..6: entries 3 and 4 are exchanged. -1 for other entries.
constexpr int MatrixSlotOfBaseEntry(int baseEntry) {
    constexpr std::array<int, kBaseEntryCount> kSlots = {0, 1, 2, 4, 3, 5, 6};
    return baseEntry >= 0 && baseEntry < kBaseEntryCount
               ? kSlots[static_cast<std::size_t>(baseEntry)]
               : -1;
}
// The Shift-layer entry of the physical button of base entry 0..6 (7 + its slot). -1 for
// other entries.
constexpr int MirrorOf(int baseEntry) {
    const int slot = MatrixSlotOfBaseEntry(baseEntry);
    return slot < 0 ? -1 : kFirstShiftEntry + slot;
}
// The base entry whose mirror is Shift-layer entry 7..13; -1 for other entries.
constexpr int BaseOfMirror(int shiftEntry) {
    for (int base = 0; base < kBaseEntryCount; ++base) {
        if (MirrorOf(base) == shiftEntry)
            return base;
    }
    return -1;
}

// The caption of the Shift function, the same in every language.
inline constexpr std::string_view kShiftLabel = "Shift";

// The label of a keyboard-key entry: keyboard-key caption, "-", key name.
std::string KeyboardKeyLabel(const UiTextTable& text, std::string_view keyName);

// The label of the function that entry 0..13 carries, in the language of text and
// languageCode. A macro entry takes macroName (the name of its macro in the store); a key
// entry names its KeyCode by the key table ("Macro:name", "Assign Keyboard Key-F5" in English).
// Codes 15 and 16 give the tilt texts, although a profile normally keeps its own label for them.
// Whatever the catalogue cannot name gives "": code 17, the unused codes, a DPI action other
// than 1..3, a multimedia usage or office key outside the lists, a Windows-shortcut index above 6,
// an entry outside 0..13.
std::string FunctionLabel(const MouseConfig& record, int entry, const UiTextTable& text,
                          std::string_view languageCode, std::string_view macroName = {});

}  // namespace vorlak
