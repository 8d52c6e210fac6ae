// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/wayland_key_decoder.h"

#include <xkbcommon/xkbcommon.h>

#include <string>

#include "platform/linux/xkb_key_map.h"

namespace vorlak {
namespace {

constexpr std::uint32_t kEvdevOffset = 8;  // xkb key codes are kernel codes + 8

}  // namespace

void WaylandKeyDecoder::KeymapUnref::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}

void WaylandKeyDecoder::StateUnref::operator()(xkb_state* state) const {
    xkb_state_unref(state);
}

WaylandKeyDecoder::WaylandKeyDecoder() = default;
WaylandKeyDecoder::~WaylandKeyDecoder() = default;

bool WaylandKeyDecoder::SetKeymap(std::string_view text) {
    state_.reset();
    keymap_.reset();
    layout_ = 0;
    // The text arrives with its terminating zero, which the compiler does not take.
    while (!text.empty() && text.back() == '\0')
        text.remove_suffix(1);
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr)
        return false;
    const std::string copy(text);
    keymap_.reset(xkb_keymap_new_from_string(context, copy.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS));
    xkb_context_unref(context);
    if (keymap_)
        state_.reset(xkb_state_new(keymap_.get()));
    return keymap_ != nullptr;
}

void WaylandKeyDecoder::SetModifiers(std::uint32_t depressed, std::uint32_t latched,
                                     std::uint32_t locked, std::uint32_t group) {
    if (!state_)
        return;
    xkb_state_update_mask(state_.get(), depressed, latched, locked, 0, 0, group);
    layout_ = xkb_state_serialize_layout(state_.get(), XKB_STATE_LAYOUT_EFFECTIVE);
}

CapturedKey WaylandKeyDecoder::Key(std::uint32_t evdevCode, bool pressed) const {
    const std::uint32_t keycode = evdevCode + kEvdevOffset;
    const KeySymbols symbols = keymap_ ? SymbolsOf(*keymap_, layout_, keycode) : KeySymbols{};
    return MapKey(keycode, symbols, !pressed);
}

}  // namespace vorlak
