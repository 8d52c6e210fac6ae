// SPDX-License-Identifier: GPL-3.0-or-later
// The key of an X or Wayland key event as Windows would report it: a virtual-key code with
// the extended and release flags. The physical key decides every key that is not a
// character (modifiers left and right, the keypad, the grey navigation keys, AltGr as Right
// Alt); letters, digits and the punctuation keys follow the active layout, as Windows
// virtual keys do (on a German layout the key right of T is Z). The key capture dialog and
// macro recording share it.
#pragma once

#include <cstdint>

#include "keys/key_capture.h"

struct xkb_keymap;

namespace vorlak {

// The virtual key of a key that Windows gives no code.
inline constexpr int kUnmappedVirtualKey = 0xFF;

// What a key shows in the active layout, without and with Shift (keysyms; 0 for none).
struct KeySymbols {
    std::uint32_t plain = 0;
    std::uint32_t shifted = 0;
};

// The symbols of an X keycode (evdev code + 8) in a layout (the event's keyboard group) of
// a keymap; a group past the key's own groups reads its first.
KeySymbols SymbolsOf(xkb_keymap& keymap, std::uint32_t layout, std::uint32_t keycode);

// The captured key of an X keycode with its symbols.
CapturedKey MapKey(std::uint32_t keycode, const KeySymbols& symbols, bool release);

}  // namespace vorlak
