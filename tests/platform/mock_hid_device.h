// SPDX-License-Identifier: GPL-3.0-or-later
// A HID device in umockdev's mocked kernel: usb_device -> usb_interface -> hid -> hidraw
// per node (or hid -> hidraw without USB), each node taking feature and output reports
// and serving queued input reports one per read(). Reads are announced to poll() by a
// "doorbell" byte in a pty behind the node, since umockdev does not intercept poll().
// Handlers run on umockdev's worker thread.
#pragma once

#include <umockdev.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace vorlak {

// The testbed of the process (umockdev supports one per process), made before the tests.
UMockdevTestbed* MockTestbed();
// True when the tests run in the testbed (under umockdev's preload library).
bool InMockKernel();
// Lets other users see the mocked sysfs and /dev and reach umockdev's default ioctl
// handler (for tests that drop root); false on failure.
bool OpenTestbedToOtherUsers();

struct MockNodeShape {
    std::vector<std::uint8_t> descriptor;
    unsigned interfaceNumber = 0;    // the USB interface; the nodes are listed in its order
    bool descriptorReadable = true;  // false: the hid device has no report_descriptor
};

struct MockTransfer {
    enum class Kind { SetFeature, GetFeature, Output, Read };
    Kind kind;
    std::size_t node;
    std::vector<std::uint8_t> bytes;  // as the program passed them (served, for reads)
    bool operator==(const MockTransfer&) const = default;
};

class MockHidDevice {
public:
    // identity.version becomes the USB device's bcdDevice; usb false leaves out the USB
    // devices (as for a Bluetooth device).
    MockHidDevice(HidIdentity identity, std::vector<MockNodeShape> nodes, bool usb = true);
    // Unplugs. The program must have closed its descriptors of the nodes before.
    ~MockHidDevice();
    MockHidDevice(const MockHidDevice&) = delete;
    MockHidDevice& operator=(const MockHidDevice&) = delete;

    // Each plug gets new node numbers and a time udev initialised them (USEC_INITIALIZED) of its
    // own; the "add" uevents go out as the devices appear.
    void PlugIn();
    // Open descriptors see a hang-up, ENODEV for ioctl() and write(), EIO for read();
    // then the "remove" uevents, children first, and the devices go.
    void Unplug();

    // Leaves the nodes without their handlers: only open() reaches them then (the
    // preload library fails any open of a handled node that it cannot connect to).
    void DetachHandlers();

    std::string Node(std::size_t node) const;     // /dev/hidrawN of the current plug
    std::vector<std::string> Nodes() const;       // all of them
    std::string Sysname(std::size_t node) const;  // hidrawN

    void Inject(std::size_t node, std::vector<std::uint8_t> report);
    // Bytes 1.. of every feature report read back (byte 0 keeps the report id).
    void SetFeatureReply(std::vector<std::uint8_t> reply);
    // Feature reports and output reports fail with error (as a stalled or broken transfer
    // does) until called again with 0.
    void FailTransfers(int error);

    std::vector<MockTransfer> Transfers() const;
    // Waits (30 s at most) until count transfers were made; false on time-out.
    bool WaitForTransfers(std::size_t count) const;
    // Calls that reached a node after it was unplugged.
    int CallsWhileUnplugged() const;

    struct NodeState;

private:
    friend struct NodeState;
    void Record(MockTransfer transfer);

    HidIdentity identity_;
    std::vector<MockNodeShape> shapes_;
    bool usb_;
    std::vector<std::unique_ptr<NodeState>> nodes_;
    // Nodes of earlier plugs: descriptors opened then still reach their handlers.
    std::vector<std::unique_ptr<NodeState>> retired_;
    std::vector<std::string> syspaths_;  // children first
    bool plugged_ = false;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<MockTransfer> transfers_;
    std::vector<std::uint8_t> featureReply_ = std::vector<std::uint8_t>(8, 0);
    int callsWhileUnplugged_ = 0;
    int transferError_ = 0;
};

}  // namespace vorlak
