// SPDX-License-Identifier: GPL-3.0-or-later
// X11 sessions without a desktop backend of their own: the Vorlak mouse's own XInput device
// properties where libinput drives it ("libinput Accel Speed", "libinput Accel Profile
// Enabled"); where another driver does (evdev), the X server's core pointer control
// (acceleration and threshold), which reaches the pointers the server itself accelerates. A
// server that does not list the mouse (by its "Device Product ID") keeps every pointer's
// settings. X has no double-click or wheel-lines setting of its own: toolkits take those from
// their desktop.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controller/pointer_settings.h"
#include "device/hid_backend.h"

typedef struct _XDisplay Display;

namespace vorlak {

// The core pointer control a speed and an acceleration give: motion beyond threshold pixels
// is multiplied by numerator / denominator.
struct CorePointerControl {
    int numerator = 1;
    int denominator = 1;
    int threshold = 1;
};
// Speed 1..20 as a factor of speed / 10 (10 moves as the mouse does), in lowest terms.
CorePointerControl CoreAccelerationOf(int speed);
// Enhanced precision keeps slow motion (up to the first threshold) unscaled; without it
// the factor applies from the first pixel.
int CoreThresholdOf(int threshold1, int acceleration);

class XInputPointerSettings : public PointerSettings {
public:
    // displayName: none for $DISPLAY.
    XInputPointerSettings(std::vector<HidIdentity> identities, std::string desktopName,
                          const char* displayName = nullptr);
    ~XInputPointerSettings() override;
    XInputPointerSettings(const XInputPointerSettings&) = delete;
    XInputPointerSettings& operator=(const XInputPointerSettings&) = delete;

    std::string DesktopName() const override { return desktopName_; }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    PointerResult SetMouseSpeed(int speed) override;
    PointerResult SetWheelScrollLines(std::uint32_t lines) override;
    PointerResult SetDoubleClickTime(int milliseconds) override;

    // True when the last speed or acceleration went to the mouse's libinput device (false:
    // to the core pointer control).
    bool WentToLibinput() const { return wentToLibinput_; }

private:
    // The slave pointers whose "Device Product ID" is the mouse's: how many, and those that
    // libinput drives.
    struct Mice {
        int found = 0;
        std::vector<int> libinput;
    };
    Mice FindMice() const;
    PointerResult Checked(const char* what);
    // One setting on the mouse: the core pointer control where no libinput device of the
    // mouse is listed, else its libinput devices; X errors are trapped and told.
    PointerResult SetOnTheMouse(const std::function<void()>& core,
                                const std::function<void(const std::vector<int>&)>& libinput,
                                const char* libinputProperty);

    std::vector<HidIdentity> identities_;
    std::string desktopName_;
    Display* display_ = nullptr;
    bool wentToLibinput_ = false;
};

}  // namespace vorlak
