// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointer_settings.h"

#include <algorithm>

#include "common/diagnostics.h"

namespace vorlak {

PointerValues PointerValuesOf(const MouseConfig& record) {
    const bool precision = record.pointerPrecision == 1;
    PointerValues values;
    values.accelerationThreshold1 = precision ? 6 : 0;
    values.accelerationThreshold2 = precision ? 10 : 0;
    values.acceleration = precision ? 1 : 0;
    values.speed = record.pointerSpeed == 1 ? 1 : 2 * record.pointerSpeed - 2;
    values.wheelLines = record.wheelPageScroll != 0 ? kWheelPageScroll : record.wheelLines;
    // Only the dial's steps 1..11 (900 .. 200 ms) ever reach the desktop.
    values.doubleClickMs = 970 - 70 * std::clamp<int>(record.doubleClickStep, 1, 11);
    return values;
}

int ApplyPointerSettings(const MouseConfig& record, PointerSettings& settings) {
    const PointerValues v = PointerValuesOf(record);
    const std::pair<bool, const char*> results[] = {
        {settings.SetMouseAcceleration(v.accelerationThreshold1, v.accelerationThreshold2,
                                       v.acceleration),
         "SETMOUSE failed.\n"},
        {settings.SetMouseSpeed(v.speed), "SETMOUSESPEED failed.\n"},
        {settings.SetWheelScrollLines(v.wheelLines), "SETWHEELSCROLLLINES failed.\n"},
        {settings.SetDoubleClickTime(v.doubleClickMs), "SPI_SETDOUBLECLICKTIME failed.\n"},
    };
    int taken = 0;
    for (const auto& [ok, failureText] : results) {
        if (ok) {
            ++taken;
        } else {
            Diagnostic(failureText);
        }
    }
    return taken;
}

}  // namespace vorlak
