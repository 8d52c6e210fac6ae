// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_backend_choice.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace vorlak {
namespace {

enum class Display { Wayland, X11, None };

// The session type when it says one, else the display that is there; a Wayland session
// also sets DISPLAY for its X clients, so Wayland goes first.
Display DisplayOf(const SessionFacts& facts) {
    if (facts.sessionType == "wayland")
        return Display::Wayland;
    if (facts.sessionType == "x11")
        return Display::X11;
    if (facts.waylandDisplay)
        return Display::Wayland;
    return facts.x11Display ? Display::X11 : Display::None;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first.
std::vector<std::string> DesktopsOf(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (std::string_view name = list.substr(0, colon); !name.empty())
            names.push_back(Lower(name));
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return names;
}

struct KnownDesktop {
    std::string_view id;  // as XDG_CURRENT_DESKTOP names it, lower case
    PointerBackend backend;
    std::string_view name;
};

// GNOME's relatives that keep the mouse in GNOME's schema share its backend.
constexpr KnownDesktop kKnownDesktops[] = {
    {"gnome", PointerBackend::GnomeSettings, "GNOME"},
    {"gnome-flashback", PointerBackend::GnomeSettings, "GNOME"},
    {"gnome-classic", PointerBackend::GnomeSettings, "GNOME"},
    {"unity", PointerBackend::GnomeSettings, "Unity"},
    {"budgie", PointerBackend::GnomeSettings, "Budgie"},
    {"pantheon", PointerBackend::GnomeSettings, "Pantheon"},
    {"x-cinnamon", PointerBackend::CinnamonSettings, "Cinnamon"},
    {"cinnamon", PointerBackend::CinnamonSettings, "Cinnamon"},
    {"mate", PointerBackend::MateSettings, "MATE"},
    {"kde", PointerBackend::KWinDevices, "KDE Plasma"},
    {"sway", PointerBackend::Sway, "sway"},
};

const KnownDesktop* FindKnown(const std::vector<std::string>& desktops) {
    for (const std::string& desktop : desktops) {
        for (const KnownDesktop& known : kKnownDesktops) {
            if (desktop == known.id)
                return &known;
        }
    }
    return nullptr;
}

// The name of a desktop without a backend of its own: as the session names it, else the
// display system.
std::string OtherName(std::string_view currentDesktop, Display display) {
    const std::string_view first = currentDesktop.substr(0, currentDesktop.find(':'));
    if (!first.empty())
        return std::string(first);
    return display == Display::Wayland ? "Wayland" : "X11";
}

}  // namespace

PointerBackendChoice ChoosePointerBackend(const SessionFacts& facts) {
    const Display display = DisplayOf(facts);
    const KnownDesktop* known = FindKnown(DesktopsOf(facts.currentDesktop));
    if (known != nullptr) {
        PointerBackend backend = known->backend;
        if (backend == PointerBackend::KWinDevices && display == Display::X11)
            backend = PointerBackend::KdeX11;
        // GSettings needs no display; KDE and sway need theirs.
        const bool needsDisplay = backend == PointerBackend::KWinDevices ||
                                  backend == PointerBackend::KdeX11 ||
                                  backend == PointerBackend::Sway;
        if (!needsDisplay || display != Display::None)
            return {backend, std::string(known->name)};
    }
    // A session that does not name its desktop (a terminal started outside it, an autostart
    // without the variables) is known by what answers.
    if (display == Display::Wayland && facts.swaySocket)
        return {PointerBackend::Sway, "sway"};
    if (display == Display::Wayland && facts.kwinOnBus)
        return {PointerBackend::KWinDevices, "KDE Plasma"};
    switch (display) {
        case Display::X11:
            return {PointerBackend::XInput, OtherName(facts.currentDesktop, display)};
        case Display::Wayland:
            return {PointerBackend::Unreachable, OtherName(facts.currentDesktop, display)};
        case Display::None:
            break;
    }
    return {PointerBackend::Unreachable, ""};
}

}  // namespace vorlak
