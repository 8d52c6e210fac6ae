// SPDX-License-Identifier: GPL-3.0-or-later
// Arrival and removal notices of hidraw nodes from a udev monitor. Each added or removed
// node of any HID device becomes one notice named like \\?\HID#VID_04D9&PID_A168&MI_01#hidraw3.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "device/hotplug_monitor.h"
#include "platform/linux/udev_ptr.h"

namespace vorlak {

// Use from one thread (the user-interface thread, on a socket notifier of
// NotifyDescriptor()).
class UdevHotplugMonitor : public HotplugMonitor {
public:
    // Starts listening, then notes the names of the nodes already present, so that their
    // removal can be named once their devices can no longer be read.
    UdevHotplugMonitor();

    // The monitor's socket; -1 when udev could not give a monitor.
    int NotifyDescriptor() const override;
    // Reads every waiting uevent without blocking. Nodes that cannot be named (no HID_ID
    // at arrival, unknown at removal) give no notice.
    std::vector<DeviceNotice> TakeNotices() override;

private:
    UdevPtr udev_;
    UdevMonitorPtr monitor_;
    std::map<std::string, std::string> names_;  // syspath of each known node -> notice name
};

}  // namespace vorlak
