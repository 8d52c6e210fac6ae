// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/xinput_pointer_settings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <optional>

namespace vorlak {
namespace {

// X reports errors to a handler of the whole process; requests are synced and their first
// error taken while one of ours runs.
int lastErrorCode = 0;
int KeepError(Display*, XErrorEvent* event) {
    if (lastErrorCode == 0)
        lastErrorCode = event->error_code;
    return 0;
}

struct ErrorTrap {
    ErrorTrap() : previous(XSetErrorHandler(KeepError)) { lastErrorCode = 0; }
    ~ErrorTrap() { XSetErrorHandler(previous); }
    int (*previous)(Display*, XErrorEvent*);
};

// A device property's items: 8-bit items as bytes, 32-bit items as 4 bytes each.
struct Property {
    Atom type = None;
    int format = 0;
    std::vector<unsigned char> data;
    unsigned long items = 0;
};

std::optional<Property> ReadProperty(Display* display, int device, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Property property;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XIGetProperty(display, device, atom, 0, 16, False, AnyPropertyType, &property.type,
                      &property.format, &property.items, &after, &data) != Success ||
        property.type == None) {
        if (data != nullptr)
            XFree(data);
        return std::nullopt;
    }
    property.data.assign(data, data + property.items * static_cast<unsigned>(property.format / 8));
    XFree(data);
    return property;
}

bool IsMouse(Display* display, int device, const std::vector<HidIdentity>& identities) {
    const std::optional<Property> id = ReadProperty(display, device, "Device Product ID");
    if (!id || id->format != 32 || id->items < 2)
        return false;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
    std::memcpy(&vendor, id->data.data(), 4);
    std::memcpy(&product, id->data.data() + 4, 4);
    for (const HidIdentity& identity : identities) {
        if (vendor == identity.vendorId && product == identity.productId)
            return true;
    }
    return false;
}

}  // namespace

CorePointerControl CoreAccelerationOf(int speed) {
    const int clamped = std::clamp(speed, 1, 20);
    const int divisor = std::gcd(clamped, 10);
    return {clamped / divisor, 10 / divisor, 0};
}

int CoreThresholdOf(int threshold1, int acceleration) {
    return acceleration != 0 && threshold1 > 0 ? threshold1 : 1;
}

XInputPointerSettings::XInputPointerSettings(std::vector<HidIdentity> identities,
                                             std::string desktopName, const char* displayName)
    : identities_(std::move(identities)),
      desktopName_(std::move(desktopName)),
      display_(XOpenDisplay(displayName)) {
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (display_ != nullptr &&
        (!XQueryExtension(display_, "XInputExtension", &opcode, &event, &error) ||
         XIQueryVersion(display_, &major, &minor) != Success)) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

XInputPointerSettings::~XInputPointerSettings() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

XInputPointerSettings::Mice XInputPointerSettings::FindMice() const {
    Mice mice;
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const int id = devices[i].deviceid;
        if (devices[i].use != XISlavePointer || !IsMouse(display_, id, identities_))
            continue;
        ++mice.found;
        if (ReadProperty(display_, id, "libinput Accel Speed"))
            mice.libinput.push_back(id);
    }
    XIFreeDeviceInfo(devices);
    return mice;
}

PointerResult XInputPointerSettings::Checked(const char* what) {
    XSync(display_, False);
    if (lastErrorCode == 0)
        return PointerResult::Taken();
    char text[128] = {};
    XGetErrorText(display_, lastErrorCode, text, sizeof text - 1);
    return PointerResult::Kept(PointerRefusal::Refused, std::string(what) + ": " + text);
}

PointerResult XInputPointerSettings::SetOnTheMouse(
    const std::function<void()>& core, const std::function<void(const std::vector<int>&)>& libinput,
    const char* libinputProperty) {
    if (display_ == nullptr)
        return PointerResult::Kept(PointerRefusal::Refused, "the X display cannot be opened");
    ErrorTrap trap;
    const Mice mice = FindMice();
    wentToLibinput_ = !mice.libinput.empty();
    if (mice.found == 0)
        return PointerResult::Kept(PointerRefusal::DeviceNotFound);
    if (mice.libinput.empty()) {
        core();
        return Checked("the core pointer control");
    }
    libinput(mice.libinput);
    return Checked(libinputProperty);
}

PointerResult XInputPointerSettings::SetMouseAcceleration(int threshold1, int, int acceleration) {
    const auto core = [&] {
        XChangePointerControl(display_, False, True, 0, 0,
                              CoreThresholdOf(threshold1, acceleration));
    };
    const auto libinput = [&](const std::vector<int>& devices) {
        const Atom atom = XInternAtom(display_, "libinput Accel Profile Enabled", False);
        for (const int id : devices) {
            std::optional<Property> profile =
                ReadProperty(display_, id, "libinput Accel Profile Enabled");
            if (!profile || profile->format != 8 || profile->items < 2)
                continue;  // a device with one profile only
            std::fill(profile->data.begin(), profile->data.end(), 0);
            profile->data[acceleration != 0 ? 0 : 1] = 1;  // adaptive, flat[, custom]
            XIChangeProperty(display_, id, atom, profile->type, 8, PropModeReplace,
                             profile->data.data(), static_cast<int>(profile->items));
        }
    };
    return SetOnTheMouse(core, libinput, "libinput Accel Profile Enabled");
}

PointerResult XInputPointerSettings::SetMouseSpeed(int speed) {
    const auto core = [&] {
        const CorePointerControl control = CoreAccelerationOf(speed);
        XChangePointerControl(display_, True, False, control.numerator, control.denominator, 0);
    };
    const auto libinput = [&](const std::vector<int>& devices) {
        const Atom atom = XInternAtom(display_, "libinput Accel Speed", False);
        const Atom floatType = XInternAtom(display_, "FLOAT", False);
        const float value = static_cast<float>(LibinputSpeedOf(speed));
        for (const int id : devices) {
            XIChangeProperty(display_, id, atom, floatType, 32, PropModeReplace,
                             reinterpret_cast<unsigned char*>(const_cast<float*>(&value)), 1);
        }
    };
    return SetOnTheMouse(core, libinput, "libinput Accel Speed");
}

PointerResult XInputPointerSettings::SetWheelScrollLines(std::uint32_t) {
    return PointerResult::Kept(PointerRefusal::NoBackend);
}

PointerResult XInputPointerSettings::SetDoubleClickTime(int) {
    return PointerResult::Kept(PointerRefusal::NoBackend);
}

}  // namespace vorlak
