// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's pointer settings through GSettings (org.gnome.desktop.peripherals.mouse),
// for GNOME-family desktops. Without the schema, or without a desktop session, every
// setting reports failure.
#pragma once

#include <memory>
#include <string>

#include "app/pointer_settings.h"

typedef struct _GSettings GSettings;

namespace vorlak {

inline constexpr const char* kMouseSchemaId = "org.gnome.desktop.peripherals.mouse";

// Speed 1..20 as GSettings takes it: -1..1, the default 10 at 0 (linear on each side).
double GSettingsSpeedOf(int speed);

class GSettingsPointerSettings : public PointerSettings {
public:
    explicit GSettingsPointerSettings(const std::string& schemaId = kMouseSchemaId);
    ~GSettingsPointerSettings() override;

    bool SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    bool SetMouseSpeed(int speed) override;
    // No desktop-wide wheel-lines setting exists there: always false.
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

private:
    bool HasKey(const char* key) const;

    GSettings* settings_ = nullptr;
};

}  // namespace vorlak
