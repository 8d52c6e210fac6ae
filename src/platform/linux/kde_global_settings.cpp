// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/kde_global_settings.h"

#include <gio/gio.h>

#include "common/diagnostics.h"
#include "platform/linux/kde_config_file.h"

namespace vorlak {
namespace {

// KGlobalSettings' change types and categories: SettingsChanged, SETTINGS_MOUSE.
constexpr int kSettingsChanged = 3;
constexpr int kSettingsMouse = 0;

}  // namespace

KdeGlobalSettings::KdeGlobalSettings(std::filesystem::path configFolder, BusConnection bus)
    : path_(std::move(configFolder) / "kdeglobals"), bus_(std::move(bus)) {}

PointerResult KdeGlobalSettings::SetWheelScrollLines(std::uint32_t lines) {
    if (lines == kWheelPageScroll)
        return PointerResult::Kept(PointerRefusal::NoPageScroll);
    return Write("WheelScrollLines", static_cast<int>(lines));
}

PointerResult KdeGlobalSettings::SetDoubleClickTime(int milliseconds) {
    return Write("DoubleClickInterval", milliseconds);
}

PointerResult KdeGlobalSettings::Write(const char* key, int value) {
    if (std::optional<std::string> problem =
            WriteKdeEntries(path_, {{{"KDE"}, key, std::to_string(value)}}))
        return PointerResult::Kept(PointerRefusal::Refused, *problem);
    // The file holds the setting; a notice that cannot be sent only delays it until the
    // applications start again.
    if (bus_) {
        GError* error = nullptr;
        if (!g_dbus_connection_emit_signal(
                bus_.get(), nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
                g_variant_new("(ii)", kSettingsChanged, kSettingsMouse), &error) ||
            !g_dbus_connection_flush_sync(bus_.get(), nullptr, &error)) {
            EmitDiagnostic("KGlobalSettings notifyChange failed: " + TakeErrorMessage(error) +
                           "\n");
        }
    }
    return PointerResult::Taken();
}

}  // namespace vorlak
