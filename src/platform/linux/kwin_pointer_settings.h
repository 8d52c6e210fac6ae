// SPDX-License-Identifier: GPL-3.0-or-later
// KDE Plasma on Wayland: the speed and acceleration profile of the Vorlak mouse's own input
// device, through KWin's input devices on the session bus (org.kde.KWin, objects under
// /org/kde/KWin/InputDevice/), made lasting in kcminputrc's group
// [Libinput][vendor][product][device name]; other mice keep theirs. Double-click time and
// wheel lines go to kdeglobals.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "controller/pointer_settings.h"
#include "device/hid_backend.h"
#include "platform/linux/kde_global_settings.h"
#include "platform/linux/session_bus.h"

namespace vorlak {

// One of KWin's input devices, as its properties describe it.
struct KWinInputDevice {
    std::string sysName;  // the object's last path element, e.g. "event7"
    std::string name;
    unsigned vendor = 0;
    unsigned product = 0;
};

class KWinPointerSettings : public PointerSettings {
public:
    // identities: the mouse's vendor and product pairs. configFolder holds kcminputrc and
    // kdeglobals. bus may be none (every device setting then says why).
    KWinPointerSettings(std::vector<HidIdentity> identities, std::filesystem::path configFolder,
                        BusConnection bus, std::string busProblem = {});

    std::string DesktopName() const override { return kKdePlasmaName; }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    PointerResult SetMouseSpeed(int speed) override;
    PointerResult SetWheelScrollLines(std::uint32_t lines) override;
    PointerResult SetDoubleClickTime(int milliseconds) override;

private:
    // The mouse's pointer devices, or why there are none.
    std::variant<std::vector<KWinInputDevice>, PointerResult> MouseDevices() const;
    // Sets property on every device of the mouse and the entry of each in kcminputrc.
    PointerResult SetOnMouse(const char* property, GVariant* value, const char* configKey,
                             const std::string& configValue);

    std::vector<HidIdentity> identities_;
    std::filesystem::path inputConfig_;
    BusConnection bus_;
    std::string busProblem_;
    KdeGlobalSettings globals_;
};

}  // namespace vorlak
