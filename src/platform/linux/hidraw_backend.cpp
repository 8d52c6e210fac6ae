// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/hidraw_backend.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "device/protocol.h"
#include "platform/linux/hidraw_handle.h"
#include "platform/linux/hidraw_node.h"
#include "platform/linux/report_descriptor.h"

namespace vorlak {
namespace {

constexpr char kCollectionMark = '#';

// One entry per top-level collection; a single one marked failed when the descriptor
// cannot be read or parsed (discovery for that device stops there, as it does when the
// capability queries fail).
void AddInterfaces(const HidrawNode& node, std::vector<HidInterfaceInfo>& list) {
    HidInterfaceInfo info{node.devnode, node.identity, {}};
    std::optional<std::vector<std::uint8_t>> descriptor = ReadReportDescriptor(node);
    std::optional<std::vector<HidCaps>> collections;
    if (descriptor)
        collections = ParseReportDescriptor(*descriptor);
    if (!collections || collections->empty()) {
        info.preparsedOk = descriptor.has_value();
        info.capsOk = false;
        list.push_back(std::move(info));
        return;
    }
    for (std::size_t i = 0; i < collections->size(); ++i) {
        info.path = CollectionPath(node.devnode, i);
        info.caps = (*collections)[i];
        list.push_back(info);
    }
}

std::optional<std::vector<HidrawNode>> PresentNodes() {
    UdevPtr context(udev_new());
    if (!context)
        return std::nullopt;
    return EnumerateHidrawNodes(context.get());
}

bool IsMouse(const HidIdentity& id) {
    return (id.vendorId == kPrimaryVendorId && id.productId == kPrimaryProductId) ||
           (id.vendorId == kSecondaryVendorId && id.productId == kSecondaryProductId);
}

}  // namespace

std::string CollectionPath(const std::string& node, std::size_t index) {
    return index == 0 ? node : node + kCollectionMark + std::to_string(index);
}

std::string NodeOfPath(const std::string& path) {
    std::size_t mark = path.rfind(kCollectionMark);
    if (mark == std::string::npos || mark + 1 == path.size() ||
        path.find_first_not_of("0123456789", mark + 1) != std::string::npos)
        return path;
    return path.substr(0, mark);
}

std::optional<std::vector<HidInterfaceInfo>> LinuxHidBackend::Enumerate() {
    std::optional<std::vector<HidrawNode>> nodes = PresentNodes();
    if (!nodes)
        return std::nullopt;
    std::vector<HidInterfaceInfo> list;
    for (const HidrawNode& node : *nodes)
        AddInterfaces(node, list);
    return list;
}

std::unique_ptr<HidHandle> LinuxHidBackend::OpenCommand(const std::string& path) {
    return HidrawHandle::Open(NodeOfPath(path), O_RDWR);
}

std::unique_ptr<HidHandle> LinuxHidBackend::OpenEvent(const std::string& path) {
    return HidrawHandle::Open(NodeOfPath(path), O_RDONLY | O_NONBLOCK);
}

std::vector<std::string> LinuxHidBackend::InaccessibleMouseNodes() {
    return vorlak::InaccessibleMouseNodes();
}

std::string LinuxHidBackend::ArrivalKey(const std::string& path) {
    UdevPtr context(udev_new());
    if (!context)
        return {};
    const std::string node = NodeOfPath(path);
    for (const HidrawNode& present :
         EnumerateHidrawNodes(context.get()).value_or(std::vector<HidrawNode>{})) {
        if (present.devnode != node)
            continue;
        UdevDevicePtr device(udev_device_new_from_syspath(context.get(), present.syspath.c_str()));
        const char* initialized =
            device ? udev_device_get_property_value(device.get(), "USEC_INITIALIZED") : nullptr;
        if (initialized == nullptr || *initialized == '\0')
            return {};
        return present.syspath + "@" + initialized;
    }
    return {};
}

std::vector<std::string> InaccessibleMouseNodes() {
    std::vector<std::string> denied;
    for (const HidrawNode& node : PresentNodes().value_or(std::vector<HidrawNode>{})) {
        if (!IsMouse(node.identity))
            continue;
        int fd = ::open(node.devnode.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        else if (errno == EACCES || errno == EPERM)
            denied.push_back(node.devnode);
    }
    return denied;
}

}  // namespace vorlak
