// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/hidraw_node.h"

#include <linux/hid.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <string_view>

namespace vorlak {
namespace {

// A whole hexadecimal number, as sysfs and uevent properties spell them.
std::optional<std::uint32_t> ParseHex(std::string_view text) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ParseHex(const char* text) {
    return text ? ParseHex(std::string_view(text)) : std::nullopt;
}

// HID_ID is bus:vendor:product, e.g. 0003:000004D9:0000A168.
std::optional<HidIdentity> ParseHidId(std::string_view text) {
    std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    std::size_t second = text.find(':', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    auto bus = ParseHex(text.substr(0, first));
    auto vendor = ParseHex(text.substr(first + 1, second - first - 1));
    auto product = ParseHex(text.substr(second + 1));
    if (!bus || !vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF)
        return std::nullopt;
    return HidIdentity{static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product),
                       0};
}

const char* ParentAttribute(udev_device* device, const char* devtype, const char* name) {
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, "usb", devtype);
    return parent ? udev_device_get_sysattr_value(parent, name) : nullptr;
}

}  // namespace

std::optional<HidrawNode> DescribeHidrawNode(udev_device* hidraw) {
    const char* devnode = udev_device_get_devnode(hidraw);
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    const char* hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    std::optional<HidIdentity> identity = hidId ? ParseHidId(hidId) : std::nullopt;
    if (!devnode || !identity)
        return std::nullopt;
    HidrawNode node;
    node.syspath = udev_device_get_syspath(hidraw);
    node.devnode = devnode;
    node.sysname = udev_device_get_sysname(hidraw);
    node.hidSyspath = udev_device_get_syspath(hid);
    node.identity = *identity;
    auto version = ParseHex(ParentAttribute(hidraw, "usb_device", "bcdDevice"));
    node.identity.version =
        version && *version <= 0xFFFF ? static_cast<std::uint16_t>(*version) : 0;
    if (auto number = ParseHex(ParentAttribute(hidraw, "usb_interface", "bInterfaceNumber")))
        node.interfaceNumber = *number;
    return node;
}

std::optional<std::vector<HidrawNode>> EnumerateHidrawNodes(udev* context) {
    UdevEnumeratePtr enumerate(udev_enumerate_new(context));
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0)
        return std::nullopt;
    std::vector<HidrawNode> nodes;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        UdevDevicePtr device(
            udev_device_new_from_syspath(context, udev_list_entry_get_name(entry)));
        if (!device)
            continue;  // gone since the scan
        if (std::optional<HidrawNode> node = DescribeHidrawNode(device.get()))
            nodes.push_back(std::move(*node));
    }
    return nodes;
}

std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const HidrawNode& node) {
    std::ifstream file(node.hidSyspath + "/report_descriptor", std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(HID_MAX_DESCRIPTOR_SIZE);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

std::string NoticeName(const HidrawNode& node) {
    char text[48];
    std::snprintf(text, sizeof text, R"(\\?\HID#VID_%04X&PID_%04X)", node.identity.vendorId,
                  node.identity.productId);
    std::string name = text;
    if (node.interfaceNumber) {
        std::snprintf(text, sizeof text, "&MI_%02X", *node.interfaceNumber);
        name += text;
    }
    return name + "#" + node.sysname;
}

}  // namespace vorlak
