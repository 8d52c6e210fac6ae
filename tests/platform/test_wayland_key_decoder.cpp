// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland capture path on scripted keymaps: each keymap is compiled from layout names and
// handed over as the XKB text a compositor sends, keys come as kernel codes with the modifier
// state apart, as wl_keyboard delivers them.
#include "platform/linux/wayland_key_decoder.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "keys/captured_key_name.h"
#include "platform/linux/xkb_key_map.h"

namespace vorlak {
namespace {

struct KeymapText {
    std::string text;
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{nullptr, &xkb_keymap_unref};
};

// The keymap of the layouts as a compositor would send it, and the same keymap compiled
// directly, as the X server's.
KeymapText Compile(const char* layouts) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    const xkb_rule_names names{"evdev", "pc105", layouts, "", ""};
    KeymapText result;
    result.keymap.reset(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    xkb_context_unref(context);
    if (result.keymap) {
        char* text = xkb_keymap_get_as_string(result.keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1);
        result.text.assign(text, std::strlen(text) + 1);  // with its zero, as sent
        std::free(text);
    }
    return result;
}

std::string NameOf(const WaylandKeyDecoder& decoder, int evdev, bool pressed = true) {
    return std::string(CapturedKeyName(decoder.Key(static_cast<std::uint32_t>(evdev), pressed)));
}

// Every key of the keyboard gets the same virtual key and flags as the X11 path gives it.
TEST(WaylandKeyDecoderTest, EveryKeyMapsAsOnX11) {
    for (const char* layouts : {"us", "de", "fr"}) {
        const KeymapText keymap = Compile(layouts);
        ASSERT_TRUE(keymap.keymap) << layouts;
        WaylandKeyDecoder decoder;
        ASSERT_TRUE(decoder.SetKeymap(keymap.text)) << layouts;
        for (std::uint32_t evdev = 1; evdev < 256; ++evdev) {
            for (const bool pressed : {true, false}) {
                const CapturedKey x11 =
                    MapKey(evdev + 8, SymbolsOf(*keymap.keymap, 0, evdev + 8), !pressed);
                const CapturedKey wayland = decoder.Key(evdev, pressed);
                EXPECT_EQ(wayland.virtualKey, x11.virtualKey) << layouts << " code " << evdev;
                EXPECT_EQ(wayland.flags, x11.flags) << layouts << " code " << evdev;
            }
        }
    }
}

TEST(WaylandKeyDecoderTest, KeysByPlaceAndLayout) {
    struct Case {
        const char* layout;
        int evdev;
        const char* name;
        int flags;
    };
    const Case cases[] = {
        {"us", KEY_A, "A", 0},
        {"de", KEY_Y, "Z", 0},  // the key right of T carries Z on a German keyboard
        {"fr", KEY_Q, "A", 0},
        {"fr", KEY_1, "1", 0},  // the French top row carries its digits shifted
        {"us", KEY_RIGHTALT, "Right Alt", KeyFlagExtended},
        {"de", KEY_RIGHTALT, "Right Alt", KeyFlagExtended},  // AltGr
        {"us", KEY_KPENTER, "Num Enter", KeyFlagExtended},
        {"us", KEY_ENTER, "Enter", 0},
        {"us", KEY_LEFTMETA, "Left Windows", KeyFlagExtended},
        {"us", KEY_RIGHTSHIFT, "Right Shift", 0},
    };
    for (const Case& c : cases) {
        WaylandKeyDecoder decoder;
        ASSERT_TRUE(decoder.SetKeymap(Compile(c.layout).text));
        EXPECT_EQ(NameOf(decoder, c.evdev), c.name) << c.layout << " " << c.evdev;
        EXPECT_EQ(decoder.Key(static_cast<std::uint32_t>(c.evdev), true).flags, c.flags);
        EXPECT_EQ(decoder.Key(static_cast<std::uint32_t>(c.evdev), false).flags,
                  c.flags | KeyFlagRelease);
    }
}

// The modifiers event carries the layout group: a switch to the second layout renames the
// letters at once, the keys that are no characters keep their place.
TEST(WaylandKeyDecoderTest, TheModifierStateChoosesTheLayout) {
    WaylandKeyDecoder decoder;
    ASSERT_TRUE(decoder.SetKeymap(Compile("us,de").text));
    EXPECT_EQ(NameOf(decoder, KEY_Y), "Y");
    decoder.SetModifiers(0, 0, 0, 1);
    EXPECT_EQ(NameOf(decoder, KEY_Y), "Z");
    EXPECT_EQ(NameOf(decoder, KEY_LEFTCTRL), "Ctrl");
    decoder.SetModifiers(0, 0, 0, 0);
    EXPECT_EQ(NameOf(decoder, KEY_Y), "Y");
}

// A keymap that does not compile, or none yet: every key goes by its place on a US keyboard.
TEST(WaylandKeyDecoderTest, WithoutAKeymapKeysGoByTheirPlace) {
    WaylandKeyDecoder decoder;
    EXPECT_FALSE(decoder.HasKeymap());
    EXPECT_EQ(NameOf(decoder, KEY_Y), "Y");
    EXPECT_FALSE(decoder.SetKeymap("xkb_keymap { this is not a keymap"));
    EXPECT_FALSE(decoder.HasKeymap());
    EXPECT_EQ(NameOf(decoder, KEY_KPENTER), "Num Enter");
    decoder.SetModifiers(0, 0, 0, 1);  // no state to update: nothing breaks
    EXPECT_EQ(NameOf(decoder, KEY_Q), "Q");
}

}  // namespace
}  // namespace vorlak
