// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/xkb_key_map.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <array>

namespace vorlak {
namespace {

// The X server numbers keys from the kernel's codes plus 8.
constexpr std::uint32_t kEvdevOffset = 8;

struct PhysicalKey {
    int evdev;
    int virtualKey;
    bool extended = false;   // Windows sends the key's scan code with the E0 prefix
    bool character = false;  // the layout's symbol decides (letters, digits, punctuation)
};

// Every key by its place on a US keyboard.
constexpr PhysicalKey kPhysicalKeys[] = {
    {KEY_ESC, 27},
    {KEY_1, '1', false, true},
    {KEY_2, '2', false, true},
    {KEY_3, '3', false, true},
    {KEY_4, '4', false, true},
    {KEY_5, '5', false, true},
    {KEY_6, '6', false, true},
    {KEY_7, '7', false, true},
    {KEY_8, '8', false, true},
    {KEY_9, '9', false, true},
    {KEY_0, '0', false, true},
    {KEY_MINUS, 189, false, true},
    {KEY_EQUAL, 187, false, true},
    {KEY_BACKSPACE, 8},
    {KEY_TAB, 9},
    {KEY_Q, 'Q', false, true},
    {KEY_W, 'W', false, true},
    {KEY_E, 'E', false, true},
    {KEY_R, 'R', false, true},
    {KEY_T, 'T', false, true},
    {KEY_Y, 'Y', false, true},
    {KEY_U, 'U', false, true},
    {KEY_I, 'I', false, true},
    {KEY_O, 'O', false, true},
    {KEY_P, 'P', false, true},
    {KEY_LEFTBRACE, 219, false, true},
    {KEY_RIGHTBRACE, 221, false, true},
    {KEY_ENTER, 13},
    {KEY_LEFTCTRL, 162},
    {KEY_A, 'A', false, true},
    {KEY_S, 'S', false, true},
    {KEY_D, 'D', false, true},
    {KEY_F, 'F', false, true},
    {KEY_G, 'G', false, true},
    {KEY_H, 'H', false, true},
    {KEY_J, 'J', false, true},
    {KEY_K, 'K', false, true},
    {KEY_L, 'L', false, true},
    {KEY_SEMICOLON, 186, false, true},
    {KEY_APOSTROPHE, 222, false, true},
    {KEY_GRAVE, 192, false, true},
    {KEY_LEFTSHIFT, 160},
    {KEY_BACKSLASH, 220, false, true},
    {KEY_Z, 'Z', false, true},
    {KEY_X, 'X', false, true},
    {KEY_C, 'C', false, true},
    {KEY_V, 'V', false, true},
    {KEY_B, 'B', false, true},
    {KEY_N, 'N', false, true},
    {KEY_M, 'M', false, true},
    {KEY_COMMA, 188, false, true},
    {KEY_DOT, 190, false, true},
    {KEY_SLASH, 191, false, true},
    {KEY_RIGHTSHIFT, 161},
    {KEY_KPASTERISK, 106},
    {KEY_LEFTALT, 164},
    {KEY_SPACE, 32},
    {KEY_CAPSLOCK, 20},
    {KEY_F1, 112},
    {KEY_F2, 113},
    {KEY_F3, 114},
    {KEY_F4, 115},
    {KEY_F5, 116},
    {KEY_F6, 117},
    {KEY_F7, 118},
    {KEY_F8, 119},
    {KEY_F9, 120},
    {KEY_F10, 121},
    {KEY_NUMLOCK, 144},
    {KEY_SCROLLLOCK, 145},
    {KEY_KP7, 103},
    {KEY_KP8, 104},
    {KEY_KP9, 105},
    {KEY_KPMINUS, 109},
    {KEY_KP4, 100},
    {KEY_KP5, 101},
    {KEY_KP6, 102},
    {KEY_KPPLUS, 107},
    {KEY_KP1, 97},
    {KEY_KP2, 98},
    {KEY_KP3, 99},
    {KEY_KP0, 96},
    {KEY_KPDOT, 110},
    {KEY_102ND, 226, false, true},
    {KEY_F11, 122},
    {KEY_F12, 123},
    {KEY_KPENTER, 13, true},
    {KEY_RIGHTCTRL, 163, true},
    {KEY_KPSLASH, 111, true},
    {KEY_SYSRQ, 44, true},
    {KEY_RIGHTALT, 165, true},
    {KEY_HOME, 36, true},
    {KEY_UP, 38, true},
    {KEY_PAGEUP, 33, true},
    {KEY_LEFT, 37, true},
    {KEY_RIGHT, 39, true},
    {KEY_END, 35, true},
    {KEY_DOWN, 40, true},
    {KEY_PAGEDOWN, 34, true},
    {KEY_INSERT, 45, true},
    {KEY_DELETE, 46, true},
    {KEY_MUTE, 173, true},
    {KEY_VOLUMEDOWN, 174, true},
    {KEY_VOLUMEUP, 175, true},
    {KEY_PAUSE, 19},
    {KEY_LEFTMETA, 91, true},
    {KEY_RIGHTMETA, 92, true},
    {KEY_COMPOSE, 93, true},
    {KEY_NEXTSONG, 176, true},
    {KEY_PLAYPAUSE, 179, true},
    {KEY_PREVIOUSSONG, 177, true},
    {KEY_STOPCD, 178, true},
};

const PhysicalKey* FindPhysical(int evdev) {
    const auto* row = std::find_if(std::begin(kPhysicalKeys), std::end(kPhysicalKeys),
                                   [evdev](const PhysicalKey& k) { return k.evdev == evdev; });
    return row == std::end(kPhysicalKeys) ? nullptr : row;
}

// The punctuation keys by the character they carry unshifted on a US keyboard.
constexpr std::array<std::pair<char, int>, 11> kPunctuation{{{';', 186},
                                                             {'=', 187},
                                                             {',', 188},
                                                             {'-', 189},
                                                             {'.', 190},
                                                             {'/', 191},
                                                             {'`', 192},
                                                             {'[', 219},
                                                             {'\\', 220},
                                                             {']', 221},
                                                             {'\'', 222}}};

// The virtual key the layout gives a character key: a Latin letter, a digit (on either level:
// the French top row carries its digits shifted) or a US punctuation character; 0 otherwise.
int LayoutVirtualKey(const KeySymbols& symbols) {
    const std::uint32_t plain = xkb_keysym_to_lower(symbols.plain);
    if (plain >= XKB_KEY_a && plain <= XKB_KEY_z)
        return static_cast<int>(plain - XKB_KEY_a) + 'A';
    for (std::uint32_t sym : {symbols.plain, symbols.shifted}) {
        if (sym >= XKB_KEY_0 && sym <= XKB_KEY_9)
            return static_cast<int>(sym - XKB_KEY_0) + '0';
    }
    for (const auto& [c, virtualKey] : kPunctuation) {
        if (symbols.plain == static_cast<std::uint32_t>(c))
            return virtualKey;
    }
    return 0;
}

std::uint32_t SymbolAt(xkb_keymap& keymap, std::uint32_t layout, std::uint32_t keycode,
                       std::uint32_t level) {
    const xkb_keysym_t* syms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(&keymap, keycode, layout, level, &syms);
    return count > 0 ? syms[0] : 0;
}

}  // namespace

KeySymbols SymbolsOf(xkb_keymap& keymap, std::uint32_t layout, std::uint32_t keycode) {
    if (layout >= xkb_keymap_num_layouts_for_key(&keymap, keycode))
        layout = 0;
    return {SymbolAt(keymap, layout, keycode, 0), SymbolAt(keymap, layout, keycode, 1)};
}

CapturedKey MapKey(std::uint32_t keycode, const KeySymbols& symbols, bool release) {
    const int releaseFlag = release ? KeyFlagRelease : 0;
    const PhysicalKey* key =
        keycode >= kEvdevOffset ? FindPhysical(static_cast<int>(keycode - kEvdevOffset)) : nullptr;
    if (key == nullptr)
        return {kUnmappedVirtualKey, releaseFlag};
    const int fromLayout = key->character ? LayoutVirtualKey(symbols) : 0;
    return {fromLayout != 0 ? fromLayout : key->virtualKey,
            (key->extended ? KeyFlagExtended : 0) | releaseFlag};
}

}  // namespace vorlak
