// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and pointer of the Wayland end-to-end runs: a virtual keyboard with a real
// keymap (compiled from a layout name, "us" by default) and a virtual pointer, as the
// compositor's input devices. Reads one command a line on standard input and answers "ok"
// once the compositor has taken it (or "error: ..." for a line it cannot do):
//   move X Y                    the pointer to a point of the output
//   press|release|click [left|right|middle]
//   wheel N                     N notches, down for N > 0
//   key NAME...                 press and release each key in turn
//   keydown NAME | keyup NAME
// NAME is an X keysym name (a, Return, Control_L, KP_Enter, F5) looked up in the keymap as
// a keyboard would carry it, or evdev:N for the key with that kernel code.
// wtype types text well, but it uploads a keymap of its own that puts every symbol on key
// code 9: the key capture, which knows a key by its kernel code, needs a real keymap.
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

constexpr std::uint32_t kEvdevOffset = 8;  // xkb key codes are kernel codes + 8
constexpr std::uint32_t kWheelStep = 15;   // the wheel's distance per notch, as libinput gives

struct Globals {
    wl_seat* seat = nullptr;
    wl_output* output = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

void OnGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                std::int32_t, const char*, const char*, std::int32_t) {}
void OnMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height,
            std::int32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (flags & WL_OUTPUT_MODE_CURRENT) {
        globals->width = width;
        globals->height = height;
    }
}
void OnDone(void*, wl_output*) {}
void OnScale(void*, wl_output*, std::int32_t) {}
// Bound at version 2: the name and description events never come.
const wl_output_listener kOutputListener = {OnGeometry, OnMode, OnDone, OnScale, nullptr, nullptr};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    const std::string_view kind = interface;
    if (kind == wl_seat_interface.name && globals->seat == nullptr) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (kind == wl_output_interface.name && globals->output == nullptr) {
        globals->output =
            static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(globals->output, &kOutputListener, globals);
    } else if (kind == zwp_virtual_keyboard_manager_v1_interface.name) {
        globals->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (kind == zwlr_virtual_pointer_manager_v1_interface.name) {
        globals->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}
void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

std::uint32_t NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

class Keyboard {
public:
    Keyboard(zwp_virtual_keyboard_v1* device, xkb_keymap* keymap)
        : device_(device), keymap_(keymap), state_(xkb_state_new(keymap)) {}

    // Hands the keymap to the compositor in a sealed memory file, as a keyboard driver does.
    bool SendKeymap() {
        char* text = xkb_keymap_get_as_string(keymap_, XKB_KEYMAP_FORMAT_TEXT_V1);
        if (text == nullptr)
            return false;
        const std::size_t size = std::strlen(text) + 1;
        const int fd = memfd_create("keymap", MFD_CLOEXEC);
        const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
        std::free(text);
        if (written)
            zwp_virtual_keyboard_v1_keymap(device_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                           static_cast<std::uint32_t>(size));
        if (fd >= 0)
            close(fd);
        return written;
    }

    // The kernel code of a key by its symbol on the first level of the first layout (the
    // lowest code that carries it), or by evdev:N.
    std::optional<std::uint32_t> CodeOf(const std::string& name) const {
        if (name.rfind("evdev:", 0) == 0)
            return static_cast<std::uint32_t>(std::stoul(name.substr(6)));
        const xkb_keysym_t wanted = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
        if (wanted == XKB_KEY_NoSymbol)
            return std::nullopt;
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap_);
             code <= xkb_keymap_max_keycode(keymap_); ++code) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap_, code, 0, 0, &syms) > 0 &&
                syms[0] == wanted && code >= kEvdevOffset)
                return code - kEvdevOffset;
        }
        return std::nullopt;
    }

    void Key(std::uint32_t code, bool down) {
        zwp_virtual_keyboard_v1_key(
            device_, NowMs(), code,
            down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state_, code + kEvdevOffset, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        // The compositor takes the modifiers from the device, not from its keys.
        zwp_virtual_keyboard_v1_modifiers(
            device_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
    }

private:
    zwp_virtual_keyboard_v1* device_;
    xkb_keymap* keymap_;
    xkb_state* state_;
};

class Pointer {
public:
    Pointer(zwlr_virtual_pointer_v1* device, const Globals& globals)
        : device_(device), globals_(globals) {}

    void Move(std::uint32_t x, std::uint32_t y) {
        zwlr_virtual_pointer_v1_motion_absolute(device_, NowMs(), x, y,
                                                static_cast<std::uint32_t>(globals_.width),
                                                static_cast<std::uint32_t>(globals_.height));
        zwlr_virtual_pointer_v1_frame(device_);
    }
    void Button(std::uint32_t button, bool down) {
        zwlr_virtual_pointer_v1_button(
            device_, NowMs(), button,
            down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(device_);
    }
    void Wheel(int notches) {
        zwlr_virtual_pointer_v1_axis_source(device_, WL_POINTER_AXIS_SOURCE_WHEEL);
        zwlr_virtual_pointer_v1_axis_discrete(
            device_, NowMs(), WL_POINTER_AXIS_VERTICAL_SCROLL,
            wl_fixed_from_int(notches * static_cast<int>(kWheelStep)), notches);
        zwlr_virtual_pointer_v1_frame(device_);
    }

private:
    zwlr_virtual_pointer_v1* device_;
    const Globals& globals_;
};

std::optional<std::uint32_t> ButtonOf(const std::string& name) {
    if (name.empty() || name == "left")
        return BTN_LEFT;
    if (name == "right")
        return BTN_RIGHT;
    if (name == "middle")
        return BTN_MIDDLE;
    return std::nullopt;
}

// Runs one command line; an empty answer is success.
std::string Run(const std::string& line, Keyboard& keyboard, Pointer& pointer) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb == "move") {
        long x = -1, y = -1;
        if (!(words >> x >> y) || x < 0 || y < 0)
            return "move needs X Y";
        pointer.Move(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
        return {};
    }
    if (verb == "press" || verb == "release" || verb == "click") {
        std::string name;
        words >> name;
        const std::optional<std::uint32_t> button = ButtonOf(name);
        if (!button)
            return "no button " + name;
        if (verb != "release")
            pointer.Button(*button, true);
        if (verb != "press")
            pointer.Button(*button, false);
        return {};
    }
    if (verb == "wheel") {
        int notches = 0;
        if (!(words >> notches))
            return "wheel needs N";
        pointer.Wheel(notches);
        return {};
    }
    if (verb == "key" || verb == "keydown" || verb == "keyup") {
        std::string name;
        bool any = false;
        while (words >> name) {
            const std::optional<std::uint32_t> code = keyboard.CodeOf(name);
            if (!code)
                return "no key " + name + " in the keymap";
            if (verb != "keyup")
                keyboard.Key(*code, true);
            if (verb != "keydown")
                keyboard.Key(*code, false);
            any = true;
        }
        return any ? std::string() : verb + " needs a key";
    }
    return "unknown command " + verb;
}

}  // namespace

int main(int argc, char** argv) {
    const char* layout = argc > 1 ? argv[1] : "us";
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::cerr << "input client: no Wayland display\n";
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);  // the output's mode
    if (globals.seat == nullptr || globals.keyboards == nullptr || globals.pointers == nullptr ||
        globals.width <= 0) {
        std::cerr << "input client: the compositor offers no virtual keyboard and pointer\n";
        return 1;
    }
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", layout, "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        std::cerr << "input client: no keymap for layout " << layout << "\n";
        return 1;
    }
    Keyboard keyboard(
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.keyboards, globals.seat),
        keymap);
    Pointer pointer(
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat),
        globals);
    if (!keyboard.SendKeymap()) {
        std::cerr << "input client: the keymap could not be handed over\n";
        return 1;
    }
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string problem = Run(line, keyboard, pointer);
        if (wl_display_roundtrip(display) < 0) {
            std::cout << "error: the compositor went away" << std::endl;
            return 1;
        }
        std::cout << (problem.empty() ? "ok" : "error: " + problem) << std::endl;
    }
    wl_display_disconnect(display);
    return 0;
}
