// SPDX-License-Identifier: GPL-3.0-or-later
// What udev tells about one hidraw node: its device node, the identity of its HID
// device, the USB interface it belongs to and the HID device's report descriptor. Shared
// by the HID backend and the hot-plug monitor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"
#include "platform/linux/udev_ptr.h"

namespace vorlak {

struct HidrawNode {
    std::string syspath;     // of the hidraw device
    std::string devnode;     // /dev/hidrawN
    std::string sysname;     // hidrawN
    std::string hidSyspath;  // of the parent hid device
    HidIdentity identity;    // HID_ID of the hid device, bcdDevice of the USB device or 0
    std::optional<unsigned> interfaceNumber;  // bInterfaceNumber, for USB devices
};

// Nothing when the device has no node or no parent hid device with a valid HID_ID.
std::optional<HidrawNode> DescribeHidrawNode(udev_device* hidraw);

// The hidraw nodes present, in enumeration order (those udev cannot describe are left
// out); nothing when udev cannot list them.
std::optional<std::vector<HidrawNode>> EnumerateHidrawNodes(udev* context);

// The report descriptor of the node's hid device; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const HidrawNode& node);

// The name of an arrival or removal notice: \\?\HID#VID_04D9&PID_A168&MI_01#hidraw3
// (upper-case hex; the MI_ part only with a USB interface number).
std::string NoticeName(const HidrawNode& node);

}  // namespace vorlak
