// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_settings.h"

#include <algorithm>
#include <charconv>

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

double LibinputSpeedOf(int speed) {
    constexpr int kDefault = 10;
    const int below = kDefault - 1;   // 1..10 -> -1..0
    const int above = 20 - kDefault;  // 10..20 -> 0..1
    const double value = speed <= kDefault ? (speed - kDefault) / static_cast<double>(below)
                                           : (speed - kDefault) / static_cast<double>(above);
    return std::clamp(value, -1.0, 1.0);
}

std::string LibinputSpeedText(int speed) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, LibinputSpeedOf(speed),
                                   std::chars_format::fixed, 3);
    return std::string(buffer, end.ptr);
}

int PointerReport::TakenCount() const {
    return static_cast<int>(std::count_if(results.begin(), results.end(),
                                          [](const PointerResult& r) { return r.WasTaken(); }));
}

PointerReport ApplyPointerSettings(const MouseConfig& record, PointerSettings& settings) {
    const PointerValues v = PointerValuesOf(record);
    PointerReport report{
        settings.DesktopName(),
        {settings.SetMouseAcceleration(v.accelerationThreshold1, v.accelerationThreshold2,
                                       v.acceleration),
         settings.SetMouseSpeed(v.speed), settings.SetWheelScrollLines(v.wheelLines),
         settings.SetDoubleClickTime(v.doubleClickMs)}};
    const char* const failureTexts[kPointerSettingCount] = {
        "SETMOUSE failed.\n", "SETMOUSESPEED failed.\n", "SETWHEELSCROLLLINES failed.\n",
        "SPI_SETDOUBLECLICKTIME failed.\n"};
    for (int i = 0; i < kPointerSettingCount; ++i) {
        if (!report.results[static_cast<std::size_t>(i)].WasTaken())
            Diagnostic(failureTexts[i]);
    }
    return report;
}

}  // namespace vorlak
