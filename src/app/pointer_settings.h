// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's pointer settings that Apply hands over: acceleration, pointer speed,
// wheel scroll lines and double-click time.
#pragma once

#include <cstdint>

#include "record/mouse_config.h"

namespace vorlak {

// The wheel-lines value that means one screen per notch.
inline constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFFu;

// The values as the desktop's settings take them.
struct PointerValues {
    int accelerationThreshold1 = 0;  // 6 with enhanced precision, else 0
    int accelerationThreshold2 = 0;  // 10 with enhanced precision, else 0
    int acceleration = 0;            // 1 with enhanced precision, else 0
    int speed = 0;                   // 1..20
    std::uint32_t wheelLines = 0;    // lines per notch, or kWheelPageScroll
    int doubleClickMs = 0;
};

PointerValues PointerValuesOf(const MouseConfig& record);

// Where the values go: each setter reports whether the desktop took the setting.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    virtual bool SetMouseAcceleration(int threshold1, int threshold2, int acceleration) = 0;
    virtual bool SetMouseSpeed(int speed) = 0;
    virtual bool SetWheelScrollLines(std::uint32_t lines) = 0;
    virtual bool SetDoubleClickTime(int milliseconds) = 0;
};

// Hands every value to the desktop; a setting it does not take only emits its diagnostic
// line. Returns the number of settings taken (0..4).
int ApplyPointerSettings(const MouseConfig& record, PointerSettings& settings);

}  // namespace vorlak
