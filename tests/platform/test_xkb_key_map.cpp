// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/xkb_key_map.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <map>
#include <memory>
#include <string>

#include "keys/captured_key_name.h"

namespace vorlak {
namespace {

// Keymaps compiled from layout names by the installed xkb data, as an X server would.
class XkbKeyMapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        context_ = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
        ASSERT_NE(context_, nullptr);
    }
    static void TearDownTestSuite() {
        for (auto& [name, keymap] : keymaps_)
            xkb_keymap_unref(keymap);
        keymaps_.clear();
        xkb_context_unref(context_);
    }

    static xkb_keymap& Keymap(const std::string& layouts) {
        xkb_keymap*& keymap = keymaps_[layouts];
        if (keymap == nullptr) {
            const xkb_rule_names names{"evdev", "pc105", layouts.c_str(), "", ""};
            keymap = xkb_keymap_new_from_names(context_, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        }
        EXPECT_NE(keymap, nullptr) << layouts;
        return *keymap;
    }
    static CapturedKey Key(const std::string& layouts, int evdev, bool release = false,
                           std::uint32_t group = 0) {
        const auto keycode = static_cast<std::uint32_t>(evdev + 8);
        return MapKey(keycode, SymbolsOf(Keymap(layouts), group, keycode), release);
    }

    static inline xkb_context* context_ = nullptr;
    static inline std::map<std::string, xkb_keymap*> keymaps_;
};

struct KeyCase {
    const char* layout;
    int evdev;
    int virtualKey;
    int flags;
    const char* name;
};

TEST_F(XkbKeyMapTest, KeysOnUsGermanAndFrenchLayouts) {
    const KeyCase cases[] = {
        // Letters and digits follow the layout.
        {"us", KEY_A, 'A', 0, "A"},
        {"us", KEY_Y, 'Y', 0, "Y"},
        {"us", KEY_Z, 'Z', 0, "Z"},
        {"us", KEY_1, '1', 0, "1"},
        {"us", KEY_0, '0', 0, "0"},
        {"de", KEY_Y, 'Z', 0, "Z"},
        {"de", KEY_Z, 'Y', 0, "Y"},
        {"de", KEY_1, '1', 0, "1"},
        {"fr", KEY_Q, 'A', 0, "A"},
        {"fr", KEY_A, 'Q', 0, "Q"},
        {"fr", KEY_W, 'Z', 0, "Z"},
        {"fr", KEY_SEMICOLON, 'M', 0, "M"},
        // The French top row carries its digits shifted.
        {"fr", KEY_1, '1', 0, "1"},
        {"fr", KEY_2, '2', 0, "2"},
        {"fr", KEY_0, '0', 0, "0"},
        // Punctuation follows the layout where it is a US punctuation character, else the place.
        {"us", KEY_SEMICOLON, 186, 0, ";"},
        {"fr", KEY_M, 188, 0, ","},
        {"de", KEY_MINUS, 189, 0, "-"},
        {"de", KEY_SLASH, 189, 0, "-"},
        // Left and right modifiers told apart; the right ones but Shift are extended.
        {"us", KEY_LEFTSHIFT, 160, 0, "Shift"},
        {"de", KEY_RIGHTSHIFT, 161, 0, "Right Shift"},
        {"fr", KEY_LEFTCTRL, 162, 0, "Ctrl"},
        {"us", KEY_RIGHTCTRL, 163, KeyFlagExtended, "Right Ctrl"},
        {"us", KEY_LEFTALT, 164, 0, "Alt"},
        {"us", KEY_RIGHTALT, 165, KeyFlagExtended, "Right Alt"},
        {"de", KEY_RIGHTALT, 165, KeyFlagExtended, "Right Alt"},  // AltGr
        {"fr", KEY_RIGHTALT, 165, KeyFlagExtended, "Right Alt"},
        {"us", KEY_LEFTMETA, 91, KeyFlagExtended, "Left Windows"},
        {"de", KEY_RIGHTMETA, 92, KeyFlagExtended, "Right Windows"},
        {"us", KEY_COMPOSE, 93, KeyFlagExtended, "App"},
        // The keypad by its place; its Enter is the extended Enter.
        {"us", KEY_ENTER, 13, 0, "Enter"},
        {"de", KEY_KPENTER, 13, KeyFlagExtended, "Num Enter"},
        {"fr", KEY_KP7, 103, 0, "Num 7"},
        {"fr", KEY_KP0, 96, 0, "Num 0"},
        {"us", KEY_KPSLASH, 111, KeyFlagExtended, "Num /"},
        {"de", KEY_KPDOT, 110, 0, "Num Del"},
        // The grey navigation keys are extended.
        {"us", KEY_HOME, 36, KeyFlagExtended, "Home"},
        {"de", KEY_DELETE, 46, KeyFlagExtended, "Delete"},
        {"fr", KEY_LEFT, 37, KeyFlagExtended, "Left"},
        {"us", KEY_PAGEDOWN, 34, KeyFlagExtended, "Page Down"},
        {"us", KEY_SYSRQ, 44, KeyFlagExtended, "Prnt Scrn"},
        {"us", KEY_PAUSE, 19, 0, "Pause"},
        {"us", KEY_F12, 123, 0, "F12"},
        // Keys without a name.
        {"us", KEY_MUTE, 173, KeyFlagExtended, ""},
        {"de", KEY_102ND, 226, 0, ""},
        {"us", KEY_PROG1, kUnmappedVirtualKey, 0, ""},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.evdev));
        const CapturedKey key = Key(c.layout, c.evdev);
        EXPECT_EQ(key.virtualKey, c.virtualKey);
        EXPECT_EQ(key.flags, c.flags);
        EXPECT_EQ(CapturedKeyName(key), c.name);
    }
}

TEST_F(XkbKeyMapTest, ReleasesCarryTheReleaseFlag) {
    EXPECT_EQ(Key("us", KEY_KPENTER, true).flags, KeyFlagExtended | KeyFlagRelease);
    EXPECT_EQ(Key("us", KEY_A, true).flags, KeyFlagRelease);
    EXPECT_EQ(Key("us", KEY_PROG1, true).flags, KeyFlagRelease);
}

TEST_F(XkbKeyMapTest, TheEventsGroupChoosesTheLayout) {
    EXPECT_EQ(Key("us,de", KEY_Y, false, 0).virtualKey, 'Y');
    EXPECT_EQ(Key("us,de", KEY_Y, false, 1).virtualKey, 'Z');
    // A group the key does not have reads its first.
    EXPECT_EQ(Key("de", KEY_Y, false, 3).virtualKey, 'Z');
}

TEST(KeyMapTest, KeycodesBelowTheKernelsRangeHaveNoKey) {
    EXPECT_EQ(MapKey(3, {}, false).virtualKey, kUnmappedVirtualKey);
    EXPECT_EQ(MapKey(0, {}, true).flags, KeyFlagRelease);
}

}  // namespace
}  // namespace vorlak
