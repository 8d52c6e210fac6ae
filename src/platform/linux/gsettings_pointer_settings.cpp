// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/gsettings_pointer_settings.h"

#include <gio/gio.h>

namespace vorlak {
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

GSettingsPointerSettings::GSettingsPointerSettings(const GSettingsMouseSchema& schema,
                                                   std::string desktopName)
    : schema_(schema), desktopName_(std::move(desktopName)), session_(DesktopSessionPresent()) {
    if (!session_)
        return;
    // g_settings_new() aborts the process on a missing schema: look it up first.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr)
        return;
    GSettingsSchema* found = g_settings_schema_source_lookup(source, schema_.id, TRUE);
    if (found == nullptr)
        return;
    settings_ = g_settings_new_full(found, nullptr, nullptr);
    g_settings_schema_unref(found);
}

GSettingsPointerSettings::~GSettingsPointerSettings() {
    if (settings_ != nullptr) {
        g_settings_sync();
        g_object_unref(settings_);
    }
}

std::optional<PointerResult> GSettingsPointerSettings::Unwritable(const char* key) const {
    if (!session_)
        return PointerResult::Kept(PointerRefusal::NoDesktop);
    if (settings_ == nullptr)
        return PointerResult::Kept(PointerRefusal::NoSchema, schema_.id);
    GSettingsSchema* schema = nullptr;
    g_object_get(settings_, "settings-schema", &schema, nullptr);
    const bool has = schema != nullptr && g_settings_schema_has_key(schema, key);
    if (schema != nullptr)
        g_settings_schema_unref(schema);
    if (!has)
        return PointerResult::Kept(PointerRefusal::NoSuchSetting);
    if (!g_settings_is_writable(settings_, key))
        return PointerResult::Kept(PointerRefusal::Refused,
                                   std::string(schema_.id) + " " + key + " is locked");
    return std::nullopt;
}

PointerResult GSettingsPointerSettings::Written(bool written, const char* key) const {
    if (written)
        return PointerResult::Taken();
    return PointerResult::Kept(PointerRefusal::Refused,
                               std::string(schema_.id) + " " + key + " did not take the value");
}

PointerResult GSettingsPointerSettings::SetMouseAcceleration(int, int, int acceleration) {
    if (auto kept = Unwritable("accel-profile"))
        return *kept;
    return Written(
        g_settings_set_string(settings_, "accel-profile", acceleration != 0 ? "adaptive" : "flat"),
        "accel-profile");
}

PointerResult GSettingsPointerSettings::SetMouseSpeed(int speed) {
    if (auto kept = Unwritable(schema_.speedKey))
        return *kept;
    const double value = schema_.speedMiddle + schema_.speedHalfRange * LibinputSpeedOf(speed);
    return Written(g_settings_set_double(settings_, schema_.speedKey, value), schema_.speedKey);
}

PointerResult GSettingsPointerSettings::SetWheelScrollLines(std::uint32_t) {
    return PointerResult::Kept(session_ ? PointerRefusal::NoSuchSetting
                                        : PointerRefusal::NoDesktop);
}

PointerResult GSettingsPointerSettings::SetDoubleClickTime(int milliseconds) {
    if (auto kept = Unwritable("double-click"))
        return *kept;
    return Written(g_settings_set_int(settings_, "double-click", milliseconds), "double-click");
}

}  // namespace vorlak
