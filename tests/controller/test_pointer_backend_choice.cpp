// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_backend_choice.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

TEST(PointerBackendChoiceTest, TheSessionsVariablesChooseTheBackend) {
    using B = PointerBackend;
    struct Case {
        const char* what;
        SessionFacts facts;  // desktop, type, WAYLAND_DISPLAY, DISPLAY, SWAYSOCK, KWin on the bus
        B backend;
        const char* name;
    };
    const Case cases[] = {
        {"GNOME on Wayland",
         {"GNOME", "wayland", true, true, false, false},
         B::GnomeSettings,
         "GNOME"},
        {"Ubuntu's GNOME on X11",
         {"ubuntu:GNOME", "x11", false, true, false, false},
         B::GnomeSettings,
         "GNOME"},
        {"Budgie", {"Budgie:GNOME", "x11", false, true, false, false}, B::GnomeSettings, "Budgie"},
        {"GSettings need no display",
         {"GNOME", "tty", false, false, false, false},
         B::GnomeSettings,
         "GNOME"},
        {"Cinnamon",
         {"X-Cinnamon", "x11", false, true, false, false},
         B::CinnamonSettings,
         "Cinnamon"},
        {"MATE", {"MATE", "x11", false, true, false, false}, B::MateSettings, "MATE"},
        {"KDE Plasma on Wayland",
         {"KDE", "wayland", true, true, false, true},
         B::KWinDevices,
         "KDE Plasma"},
        // KWin not answering is told by the backend, with the bus's reason.
        {"KDE Plasma on Wayland, KWin silent",
         {"KDE", "wayland", true, true, false, false},
         B::KWinDevices,
         "KDE Plasma"},
        {"KDE Plasma on X11", {"KDE", "x11", false, true, false, false}, B::KdeX11, "KDE Plasma"},
        {"KDE Plasma without a session type",
         {"KDE", "", false, true, false, false},
         B::KdeX11,
         "KDE Plasma"},
        {"sway", {"sway", "wayland", true, true, true, false}, B::Sway, "sway"},
        {"sway without its name", {"", "", true, false, true, false}, B::Sway, "sway"},
        {"KWin without the desktop's name",
         {"", "wayland", true, true, false, true},
         B::KWinDevices,
         "KDE Plasma"},
        {"Hyprland", {"Hyprland", "wayland", true, true, false, false}, B::Unreachable, "Hyprland"},
        {"an unnamed Wayland desktop",
         {"", "", true, false, false, false},
         B::Unreachable,
         "Wayland"},
        {"Xfce", {"XFCE", "x11", false, true, false, false}, B::XInput, "XFCE"},
        {"a bare X server (Xvfb)", {"", "", false, true, false, false}, B::XInput, "X11"},
        {"sway's socket in an X11 session",
         {"", "x11", false, true, true, false},
         B::XInput,
         "X11"},
        {"KDE named but no display (ssh)",
         {"KDE", "tty", false, false, false, false},
         B::Unreachable,
         ""},
        {"a console", {"", "tty", false, false, false, false}, B::Unreachable, ""},
    };
    for (const Case& c : cases) {
        const PointerBackendChoice choice = ChoosePointerBackend(c.facts);
        EXPECT_EQ(choice.backend, c.backend) << c.what;
        EXPECT_EQ(choice.desktopName, c.name) << c.what;
    }
}

}  // namespace
}  // namespace vorlak
