// SPDX-License-Identifier: GPL-3.0-or-later
// Arrival and removal notices of HID interfaces, for the presence logic.
#pragma once

#include <string>
#include <vector>

namespace vorlak {

// One added or removed HID interface of any device. name has the form
// \\?\HID#VID_04D9&PID_A168&MI_01#hidraw3 (identity as upper-case hex; the MI_ part only
// for interfaces of a USB interface number), so the name pattern tests run on it unchanged.
struct DeviceNotice {
    enum class Kind { Arrival, Removal };
    Kind kind;
    std::string name;
};

class HotplugMonitor {
public:
    virtual ~HotplugMonitor() = default;
    // A descriptor that becomes readable while notices wait (for poll() or a socket
    // notifier); -1 when the monitor cannot deliver any.
    virtual int NotifyDescriptor() const = 0;
    // The notices that arrived since the last call, in order. Never blocks.
    virtual std::vector<DeviceNotice> TakeNotices() = 0;
};

}  // namespace vorlak
