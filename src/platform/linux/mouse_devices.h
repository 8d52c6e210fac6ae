// SPDX-License-Identifier: GPL-3.0-or-later
// Where a run finds the mouse: the simulated one, or the hidraw devices with their udev
// hot-plug monitor.
#pragma once

#include <memory>

#include "device/hid_backend.h"
#include "device/hotplug_monitor.h"
#include "device/simulated_mouse.h"

namespace vorlak {

struct MouseDevices {
    explicit MouseDevices(bool simulate);

    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<HotplugMonitor> ownMonitor;
    HotplugMonitor* monitor = nullptr;
    SimulatedMouse* simulated = nullptr;  // null for the real devices
};

}  // namespace vorlak
