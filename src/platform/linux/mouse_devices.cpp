// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/mouse_devices.h"

#include "platform/linux/hidraw_backend.h"
#include "platform/linux/udev_hotplug_monitor.h"

namespace vorlak {

MouseDevices::MouseDevices(bool simulate) {
    if (simulate) {
        auto mouse = std::make_unique<SimulatedMouse>();
        simulated = mouse.get();
        monitor = mouse.get();
        backend = std::move(mouse);
    } else {
        backend = std::make_unique<LinuxHidBackend>();
        ownMonitor = std::make_unique<UdevHotplugMonitor>();
        monitor = ownMonitor.get();
    }
}

}  // namespace vorlak
