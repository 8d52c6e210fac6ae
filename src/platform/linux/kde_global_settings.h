// SPDX-License-Identifier: GPL-3.0-or-later
// KDE Plasma's double-click time and wheel lines: kdeglobals [KDE], then the change notice
// KDE applications listen for (org.kde.KGlobalSettings notifyChange on the session bus).
#pragma once

#include <cstdint>
#include <filesystem>

#include "controller/pointer_settings.h"
#include "platform/linux/session_bus.h"

namespace vorlak {

inline constexpr const char* kKdePlasmaName = "KDE Plasma";

class KdeGlobalSettings {
public:
    // configFolder holds kdeglobals ($XDG_CONFIG_HOME); bus may be none (the files are still
    // written; running applications then see them at their next start).
    KdeGlobalSettings(std::filesystem::path configFolder, BusConnection bus);

    // KDE scrolls by lines only: one screen per notch is kept.
    PointerResult SetWheelScrollLines(std::uint32_t lines);
    PointerResult SetDoubleClickTime(int milliseconds);

private:
    PointerResult Write(const char* key, int value);

    std::filesystem::path path_;
    BusConnection bus_;
};

}  // namespace vorlak
