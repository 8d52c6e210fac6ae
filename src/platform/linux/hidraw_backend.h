// SPDX-License-Identifier: GPL-3.0-or-later
// The HID services of Linux for the transport: udev's list of hidraw nodes, one
// interface per top-level collection of each node's report descriptor, and the nodes
// opened as hidraw handles.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace vorlak {

// The path of the collection at index of a node: the node itself for the first
// collection, "<node>#<index>" for the others, so that every interface has a path of its
// own and each still opens its node.
std::string CollectionPath(const std::string& node, std::size_t index);
// The node a collection path names.
std::string NodeOfPath(const std::string& path);

class LinuxHidBackend : public HidBackend {
public:
    // Every hidraw node whose hid device udev can name. A node whose report descriptor
    // cannot be read is listed once with preparsedOk false; one whose descriptor is
    // malformed or has no application collection, once with capsOk false. probeOk is
    // always true: the attributes come from sysfs, no node is opened to read them.
    std::optional<std::vector<HidInterfaceInfo>> Enumerate() override;
    // open(O_RDWR) of the node.
    std::unique_ptr<HidHandle> OpenCommand(const std::string& path) override;
    // open(O_RDONLY) of the node, non-blocking (reads wait in poll()).
    std::unique_ptr<HidHandle> OpenEvent(const std::string& path) override;
    std::vector<std::string> InaccessibleMouseNodes() override;
    // The node's udev path and the time udev initialised it (USEC_INITIALIZED), which every
    // plug renews; empty when udev does not say.
    std::string ArrivalKey(const std::string& path) override;
};

// The hidraw nodes of the mouse (either identity) that exist but that this user may not
// open for reading and writing: the sign that the udev rule granting access is missing.
std::vector<std::string> InaccessibleMouseNodes();

}  // namespace vorlak
