// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of a Wayland keyboard as the key capture reports them. The compositor hands its
// clients the keymap as XKB text and each key by its kernel code, with the modifier state
// (and so the active layout) apart: the same facts an X key event carries, mapped by the
// same table (xkb_key_map.h), so a key gets the same name on both.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "keys/key_capture.h"

struct xkb_keymap;
struct xkb_state;

namespace vorlak {

class WaylandKeyDecoder {
public:
    WaylandKeyDecoder();
    ~WaylandKeyDecoder();

    // The keymap of a wl_keyboard.keymap event (XKB text). False when it cannot be compiled:
    // the keys then go by their place alone.
    bool SetKeymap(std::string_view text);
    bool HasKeymap() const { return keymap_ != nullptr; }
    // A wl_keyboard.modifiers event: the state decides the active layout.
    void SetModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                      std::uint32_t group);
    // A wl_keyboard.key event: the key's kernel code, pressed or released.
    CapturedKey Key(std::uint32_t evdevCode, bool pressed) const;

private:
    struct KeymapUnref {
        void operator()(xkb_keymap* keymap) const;
    };
    struct StateUnref {
        void operator()(xkb_state* state) const;
    };

    std::unique_ptr<xkb_keymap, KeymapUnref> keymap_;
    std::unique_ptr<xkb_state, StateUnref> state_;
    std::uint32_t layout_ = 0;
};

}  // namespace vorlak
