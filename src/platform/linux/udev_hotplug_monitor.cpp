// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/udev_hotplug_monitor.h"

#include <optional>
#include <string_view>

#include "platform/linux/hidraw_node.h"

namespace vorlak {

UdevHotplugMonitor::UdevHotplugMonitor() : udev_(udev_new()) {
    if (!udev_)
        return;
    monitor_.reset(udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_.get()) < 0) {
        monitor_.reset();
        return;
    }
    for (const HidrawNode& node :
         EnumerateHidrawNodes(udev_.get()).value_or(std::vector<HidrawNode>{}))
        names_[node.syspath] = NoticeName(node);
}

int UdevHotplugMonitor::NotifyDescriptor() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::vector<DeviceNotice> UdevHotplugMonitor::TakeNotices() {
    std::vector<DeviceNotice> notices;
    if (!monitor_)
        return notices;
    while (UdevDevicePtr device{udev_monitor_receive_device(monitor_.get())}) {
        const char* actionText = udev_device_get_action(device.get());
        std::string_view action = actionText ? actionText : "";
        std::string syspath = udev_device_get_syspath(device.get());
        if (action == "add") {
            std::optional<HidrawNode> node = DescribeHidrawNode(device.get());
            if (!node)
                continue;
            std::string name = NoticeName(*node);
            names_[syspath] = name;
            notices.push_back({DeviceNotice::Kind::Arrival, std::move(name)});
        } else if (action == "remove") {
            auto known = names_.find(syspath);
            if (known == names_.end())
                continue;
            notices.push_back({DeviceNotice::Kind::Removal, std::move(known->second)});
            names_.erase(known);
        }
    }
    return notices;
}

}  // namespace vorlak
