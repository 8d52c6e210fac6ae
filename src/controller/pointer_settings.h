// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's pointer settings that Apply hands over: acceleration, pointer speed,
// wheel scroll lines and double-click time, and what became of each.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

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

// Speed 1..20 as libinput-based desktops take it: -1..1, the default 10 at 0 (linear on
// each side).
double LibinputSpeedOf(int speed);
// The same as text with three decimals and a point, whatever the locale ("0.400").
std::string LibinputSpeedText(int speed);

// The four settings, in the order Apply hands them over.
enum class PointerSetting { Acceleration, Speed, WheelLines, DoubleClick };
inline constexpr int kPointerSettingCount = 4;

// Why the desktop kept a setting as it was.
enum class PointerRefusal {
    NoDesktop,       // no desktop session runs to hand it to
    NoBackend,       // this desktop's settings cannot be reached from a program
    NoSuchSetting,   // the desktop has no such setting
    NoPageScroll,    // the desktop scrolls by lines only, not a screen per notch
    NoSchema,        // the desktop's settings schema is not installed (detail: its id)
    DeviceNotFound,  // the mouse is not among the desktop's input devices
    Refused,         // the desktop, its bus or its file refused it (detail: the reason)
};

// What became of one setting: taken, or kept as it was and why.
struct [[nodiscard]] PointerResult {
    std::optional<PointerRefusal> refusal;
    std::string detail;  // the system's own words for Refused, the schema for NoSchema

    static PointerResult Taken() { return {}; }
    static PointerResult Kept(PointerRefusal why, std::string detail = {}) {
        return {why, std::move(detail)};
    }
    bool WasTaken() const { return !refusal.has_value(); }
};

// Where the values go: each setter says what the desktop did with the setting.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // The desktop's name as the user knows it ("GNOME", "KDE Plasma", "sway" ...); empty
    // where no desktop session runs.
    virtual std::string DesktopName() const = 0;
    virtual PointerResult SetMouseAcceleration(int threshold1, int threshold2,
                                               int acceleration) = 0;
    virtual PointerResult SetMouseSpeed(int speed) = 0;
    virtual PointerResult SetWheelScrollLines(std::uint32_t lines) = 0;
    virtual PointerResult SetDoubleClickTime(int milliseconds) = 0;
};

// What Apply's hand-over gave, setting by setting (indexed by PointerSetting).
struct PointerReport {
    std::string desktop;
    std::array<PointerResult, kPointerSettingCount> results;

    const PointerResult& operator[](PointerSetting s) const {
        return results[static_cast<std::size_t>(s)];
    }
    int TakenCount() const;
};

// Hands every value to the desktop; a setting it does not take also emits its diagnostic
// line.
PointerReport ApplyPointerSettings(const MouseConfig& record, PointerSettings& settings);

// The desktop where none can be reached: every setting is kept, for the reason given.
class UnreachablePointerSettings : public PointerSettings {
public:
    UnreachablePointerSettings(std::string desktop, PointerRefusal why)
        : desktop_(std::move(desktop)), why_(why) {}
    std::string DesktopName() const override { return desktop_; }
    PointerResult SetMouseAcceleration(int, int, int) override { return Kept(); }
    PointerResult SetMouseSpeed(int) override { return Kept(); }
    PointerResult SetWheelScrollLines(std::uint32_t) override { return Kept(); }
    PointerResult SetDoubleClickTime(int) override { return Kept(); }

private:
    PointerResult Kept() const { return PointerResult::Kept(why_); }
    std::string desktop_;
    PointerRefusal why_;
};

}  // namespace vorlak
