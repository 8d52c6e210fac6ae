// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/desktop_pointer_settings.h"

#include <cstdlib>
#include <filesystem>

#include "common/diagnostics.h"
#include "device/protocol.h"
#include "platform/linux/gsettings_pointer_settings.h"
#include "platform/linux/kde_x11_pointer_settings.h"
#include "platform/linux/kwin_pointer_settings.h"
#include "platform/linux/session_bus.h"
#include "platform/linux/sway_pointer_settings.h"

namespace vorlak {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::filesystem::path ConfigFolder() {
    const std::string config = Env("XDG_CONFIG_HOME");
    if (!config.empty())
        return config;
    return std::filesystem::path(Env("HOME")) / ".config";
}

std::vector<HidIdentity> MouseIdentities() {
    return {{kPrimaryVendorId, kPrimaryProductId, 0}, {kSecondaryVendorId, kSecondaryProductId, 0}};
}

}  // namespace

SessionFacts ReadSessionFacts() {
    SessionFacts facts;
    facts.currentDesktop = Env("XDG_CURRENT_DESKTOP");
    facts.sessionType = Env("XDG_SESSION_TYPE");
    facts.waylandDisplay = !Env("WAYLAND_DISPLAY").empty();
    facts.x11Display = !Env("DISPLAY").empty();
    facts.swaySocket = !Env("SWAYSOCK").empty();
    std::string ignored;
    if (BusConnection bus = ConnectSessionBus(ignored))
        facts.kwinOnBus = NameHasOwner(bus.get(), "org.kde.KWin");
    return facts;
}

std::unique_ptr<PointerSettings> MakePointerSettings(const PointerBackendChoice& choice) {
    std::string busProblem;
    switch (choice.backend) {
        case PointerBackend::GnomeSettings:
            return std::make_unique<GSettingsPointerSettings>(kGnomeMouseSchema,
                                                              choice.desktopName);
        case PointerBackend::CinnamonSettings:
            return std::make_unique<GSettingsPointerSettings>(kCinnamonMouseSchema,
                                                              choice.desktopName);
        case PointerBackend::MateSettings:
            return std::make_unique<GSettingsPointerSettings>(kMateMouseSchema, choice.desktopName);
        case PointerBackend::KWinDevices: {
            BusConnection bus = ConnectSessionBus(busProblem);
            return std::make_unique<KWinPointerSettings>(MouseIdentities(), ConfigFolder(),
                                                         std::move(bus), busProblem);
        }
        case PointerBackend::KdeX11:
            return std::make_unique<KdeX11PointerSettings>(MouseIdentities(), ConfigFolder(),
                                                           ConnectSessionBus(busProblem));
        case PointerBackend::Sway:
            return std::make_unique<SwayPointerSettings>(MouseIdentities(), Env("SWAYSOCK"));
        case PointerBackend::XInput:
            return std::make_unique<XInputPointerSettings>(MouseIdentities(), choice.desktopName);
        case PointerBackend::Unreachable:
            break;
    }
    return std::make_unique<UnreachablePointerSettings>(
        choice.desktopName,
        choice.desktopName.empty() ? PointerRefusal::NoDesktop : PointerRefusal::NoBackend);
}

std::unique_ptr<PointerSettings> DesktopPointerSettings() {
    const PointerBackendChoice choice = ChoosePointerBackend(ReadSessionFacts());
    Diagnostic("pointer settings: %s\n",
               choice.desktopName.empty() ? "no desktop" : choice.desktopName.c_str());
    return MakePointerSettings(choice);
}

PointerSettings& DeferredDesktopPointerSettings::Chosen() const {
    if (!chosen_)
        chosen_ = DesktopPointerSettings();
    return *chosen_;
}

}  // namespace vorlak
