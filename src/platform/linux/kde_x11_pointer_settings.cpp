// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/kde_x11_pointer_settings.h"

#include "platform/linux/kde_config_file.h"

namespace vorlak {

KdeX11PointerSettings::KdeX11PointerSettings(std::vector<HidIdentity> identities,
                                             std::filesystem::path configFolder, BusConnection bus,
                                             const char* displayName)
    : xinput_(std::move(identities), kKdePlasmaName, displayName),
      inputConfig_(configFolder / "kcminputrc"),
      globals_(std::move(configFolder), std::move(bus)) {}

PointerResult KdeX11PointerSettings::Lasting(PointerResult live, const char* key,
                                             const std::string& value) {
    if (!live.WasTaken())
        return live;
    if (std::optional<std::string> problem =
            WriteKdeEntries(inputConfig_, {{{"Mouse"}, key, value}}))
        return PointerResult::Kept(PointerRefusal::Refused, *problem);
    return live;
}

// The keys of Plasma's X11 libinput settings.
PointerResult KdeX11PointerSettings::SetMouseAcceleration(int threshold1, int threshold2,
                                                          int acceleration) {
    return Lasting(xinput_.SetMouseAcceleration(threshold1, threshold2, acceleration),
                   "XLbInptAccelProfileFlat", acceleration != 0 ? "false" : "true");
}

PointerResult KdeX11PointerSettings::SetMouseSpeed(int speed) {
    return Lasting(xinput_.SetMouseSpeed(speed), "XLbInptPointerAcceleration",
                   LibinputSpeedText(speed));
}

PointerResult KdeX11PointerSettings::SetWheelScrollLines(std::uint32_t lines) {
    return globals_.SetWheelScrollLines(lines);
}

PointerResult KdeX11PointerSettings::SetDoubleClickTime(int milliseconds) {
    return globals_.SetDoubleClickTime(milliseconds);
}

}  // namespace vorlak
