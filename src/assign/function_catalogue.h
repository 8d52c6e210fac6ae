// SPDX-License-Identifier: GPL-3.0-or-later
// The functions an assignment entry can carry: the parameter tables of the multimedia, office
// and Windows-shortcut functions, the Shift-layer entry of each button, and the labels. Their
// codes and the entry layout are the record's (record/function_codes.h).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "device/key_matrix.h"
#include "record/function_codes.h"
#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

// Low bytes of the consumer usages of the multimedia functions, in menu order. The record
// keeps only the low byte; the high byte is 1 for 0x83 (0x0183, the media player) and 0 else.
inline constexpr std::array<Byte, 8> kMultimediaUsageLow = {0x83, 0xB5, 0xB6, 0xB7,
                                                            0xCD, 0xE2, 0xE9, 0xEA};
// Keyboard usages pressed with Left Control by the office functions, in menu order:
// N, X, C, V, S, P, F, Y, Z, A.
inline constexpr std::array<Byte, 10> kOfficeKeyUsages = {0x11, 0x1B, 0x06, 0x19, 0x16,
                                                          0x13, 0x09, 0x1C, 0x1D, 0x04};

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
