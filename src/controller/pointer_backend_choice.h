// SPDX-License-Identifier: GPL-3.0-or-later
// Which way the desktop's pointer settings go, chosen at start from what the running
// session says about itself.
#pragma once

#include <string>

namespace vorlak {

// What the session says about itself, read once at start.
struct SessionFacts {
    std::string currentDesktop;   // XDG_CURRENT_DESKTOP, e.g. "KDE" or "ubuntu:GNOME"
    std::string sessionType;      // XDG_SESSION_TYPE: "wayland", "x11", "tty" or empty
    bool waylandDisplay = false;  // WAYLAND_DISPLAY is set
    bool x11Display = false;      // DISPLAY is set
    bool swaySocket = false;      // SWAYSOCK is set
    bool kwinOnBus = false;       // org.kde.KWin has an owner on the session bus
};

enum class PointerBackend {
    GnomeSettings,     // GSettings, org.gnome.desktop.peripherals.mouse
    CinnamonSettings,  // GSettings, org.cinnamon.desktop.peripherals.mouse
    MateSettings,      // GSettings, org.mate.peripherals-mouse
    KWinDevices,       // KDE Plasma on Wayland: KWin's input devices, kcminputrc, kdeglobals
    KdeX11,            // KDE Plasma on X11: XInput, kcminputrc [Mouse], kdeglobals
    Sway,              // sway's IPC
    XInput,            // any other X11 session: the mouse's XInput device or the core pointer
    Unreachable,       // a Wayland desktop without a way in, or no desktop at all
};

struct PointerBackendChoice {
    PointerBackend backend = PointerBackend::Unreachable;
    // The desktop's name as the user knows it; empty without a desktop session.
    std::string desktopName;
};

PointerBackendChoice ChoosePointerBackend(const SessionFacts& facts);

}  // namespace vorlak
