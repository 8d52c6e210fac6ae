// SPDX-License-Identifier: GPL-3.0-or-later
// KDE Plasma on X11: the speed and acceleration go to the mouse's XInput device (as on any
// X11 desktop) and last in kcminputrc's [Mouse] group, which Plasma applies at login;
// double-click time and wheel lines go to kdeglobals.
#pragma once

#include <filesystem>

#include "platform/linux/kde_global_settings.h"
#include "platform/linux/xinput_pointer_settings.h"

namespace vorlak {

class KdeX11PointerSettings : public PointerSettings {
public:
    KdeX11PointerSettings(std::vector<HidIdentity> identities, std::filesystem::path configFolder,
                          BusConnection bus, const char* displayName = nullptr);

    std::string DesktopName() const override { return kKdePlasmaName; }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    PointerResult SetMouseSpeed(int speed) override;
    PointerResult SetWheelScrollLines(std::uint32_t lines) override;
    PointerResult SetDoubleClickTime(int milliseconds) override;

private:
    // The live result, made lasting in [Mouse] when it was taken.
    PointerResult Lasting(PointerResult live, const char* key, const std::string& value);

    XInputPointerSettings xinput_;
    std::filesystem::path inputConfig_;
    KdeGlobalSettings globals_;
};

}  // namespace vorlak
