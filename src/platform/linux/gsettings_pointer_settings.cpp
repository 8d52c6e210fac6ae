// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/gsettings_pointer_settings.h"

#include <gio/gio.h>

namespace vorlak {

double GSettingsSpeedOf(int speed) {
    constexpr int kDefault = 10;
    const int below = kDefault - 1;   // 1..10 -> -1..0
    const int above = 20 - kDefault;  // 10..20 -> 0..1
    const double value = speed <= kDefault ? (speed - kDefault) / static_cast<double>(below)
                                           : (speed - kDefault) / static_cast<double>(above);
    return value < -1.0 ? -1.0 : (value > 1.0 ? 1.0 : value);
}

namespace {

// The desktop's settings live in a session (dconf over the session bus); without one, as on
// a console or under a bare X server, there is no desktop to hand them to. An explicitly
// chosen backend counts as a session.
bool DesktopSessionPresent() {
    const char* bus = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* backend = g_getenv("GSETTINGS_BACKEND");
    return (bus != nullptr && *bus != '\0') || (backend != nullptr && *backend != '\0');
}

}  // namespace

GSettingsPointerSettings::GSettingsPointerSettings(const std::string& schemaId) {
    if (!DesktopSessionPresent())
        return;
    // g_settings_new() aborts the process on a missing schema: look it up first.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return;
    }
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId.c_str(), TRUE);
    if (schema == nullptr) {
        return;
    }
    settings_ = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
}

GSettingsPointerSettings::~GSettingsPointerSettings() {
    if (settings_ != nullptr) {
        g_settings_sync();
        g_object_unref(settings_);
    }
}

bool GSettingsPointerSettings::HasKey(const char* key) const {
    if (settings_ == nullptr) {
        return false;
    }
    GSettingsSchema* schema = nullptr;
    g_object_get(settings_, "settings-schema", &schema, nullptr);
    const bool has = schema != nullptr && g_settings_schema_has_key(schema, key);
    if (schema != nullptr) {
        g_settings_schema_unref(schema);
    }
    return has;
}

bool GSettingsPointerSettings::SetMouseAcceleration(int, int, int acceleration) {
    return HasKey("accel-profile") &&
           g_settings_set_string(settings_, "accel-profile",
                                 acceleration != 0 ? "adaptive" : "flat");
}

bool GSettingsPointerSettings::SetMouseSpeed(int speed) {
    return HasKey("speed") && g_settings_set_double(settings_, "speed", GSettingsSpeedOf(speed));
}

bool GSettingsPointerSettings::SetWheelScrollLines(std::uint32_t) {
    return false;
}

bool GSettingsPointerSettings::SetDoubleClickTime(int milliseconds) {
    return HasKey("double-click") && g_settings_set_int(settings_, "double-click", milliseconds);
}

}  // namespace vorlak
