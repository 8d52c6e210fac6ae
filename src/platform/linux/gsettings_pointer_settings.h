// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's pointer settings through GSettings, for GNOME and its family, Cinnamon and
// MATE: each keeps the mouse in a schema of its own. None of them has a wheel-lines setting.
// Without the schema, or without a desktop session, every setting is kept and says why.
#pragma once

#include <optional>
#include <string>

#include "controller/pointer_settings.h"

typedef struct _GSettings GSettings;

namespace vorlak {

// A desktop's mouse schema: its id and how it takes the pointer speed, as
// middle + halfRange * LibinputSpeedOf(speed).
struct GSettingsMouseSchema {
    const char* id;
    const char* speedKey;
    double speedMiddle;
    double speedHalfRange;
};

inline constexpr GSettingsMouseSchema kGnomeMouseSchema{"org.gnome.desktop.peripherals.mouse",
                                                        "speed", 0.0, 1.0};
inline constexpr GSettingsMouseSchema kCinnamonMouseSchema{"org.cinnamon.desktop.peripherals.mouse",
                                                           "speed", 0.0, 1.0};
// MATE's acceleration runs 1..10; its settings daemon hands 5.5 to libinput as 0.
inline constexpr GSettingsMouseSchema kMateMouseSchema{"org.mate.peripherals-mouse",
                                                       "motion-acceleration", 5.5, 4.5};

class GSettingsPointerSettings : public PointerSettings {
public:
    explicit GSettingsPointerSettings(const GSettingsMouseSchema& schema = kGnomeMouseSchema,
                                      std::string desktopName = "GNOME");
    ~GSettingsPointerSettings() override;
    GSettingsPointerSettings(const GSettingsPointerSettings&) = delete;
    GSettingsPointerSettings& operator=(const GSettingsPointerSettings&) = delete;

    std::string DesktopName() const override { return desktopName_; }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    PointerResult SetMouseSpeed(int speed) override;
    // No wheel-lines setting exists there: always kept.
    PointerResult SetWheelScrollLines(std::uint32_t lines) override;
    PointerResult SetDoubleClickTime(int milliseconds) override;

private:
    // Kept, and why, when key cannot be written; nothing when it can.
    std::optional<PointerResult> Unwritable(const char* key) const;
    PointerResult Written(bool written, const char* key) const;

    GSettingsMouseSchema schema_;
    std::string desktopName_;
    bool session_ = false;
    GSettings* settings_ = nullptr;
};

}  // namespace vorlak
