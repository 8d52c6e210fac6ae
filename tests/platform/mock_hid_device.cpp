// SPDX-License-Identifier: GPL-3.0-or-later
#include "mock_hid_device.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/hidraw.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace vorlak {
namespace {

constexpr unsigned kSetFeatureNr = _IOC_NR(HIDIOCSFEATURE(0));
constexpr unsigned kGetFeatureNr = _IOC_NR(HIDIOCGFEATURE(0));

UMockdevTestbed* testbed = nullptr;

class MockKernel : public ::testing::Environment {
public:
    void SetUp() override { testbed = umockdev_testbed_new(); }
    void TearDown() override {
        g_object_unref(testbed);
        testbed = nullptr;
    }
};

[[maybe_unused]] ::testing::Environment* const kMockKernel =
    ::testing::AddGlobalTestEnvironment(new MockKernel);

// Numbers are never reused within a process, so a replug or the next test meets no
// leftovers of an earlier device. USB port numbers keep four digits, so that the order of
// the syspaths (udev's order of enumeration) is the order of plugging.
int nextHidraw = 0;
int nextDevice = 1000;
constexpr int kLastDevice = 9999;

std::string Format(const char* format, unsigned value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string AddDevice(const char* subsystem, const std::string& name, const std::string& parent,
                      const std::vector<std::string>& attributes,
                      const std::vector<std::string>& properties) {
    auto terminated = [](const std::vector<std::string>& strings) {
        std::vector<gchar*> list;
        for (const std::string& s : strings)
            list.push_back(const_cast<gchar*>(s.c_str()));
        list.push_back(nullptr);
        return list;
    };
    std::vector<gchar*> attributeList = terminated(attributes);
    std::vector<gchar*> propertyList = terminated(properties);
    gchar* syspath = umockdev_testbed_add_devicev(testbed, subsystem, name.c_str(),
                                                  parent.empty() ? nullptr : parent.c_str(),
                                                  attributeList.data(), propertyList.data());
    if (!syspath)
        throw std::runtime_error("umockdev could not add " + name);
    std::string result = syspath;
    g_free(syspath);
    return result;
}

std::string DevFolder() {
    gchar* root = umockdev_testbed_get_root_dir(testbed);
    std::string folder = std::string(root) + "/dev";
    g_free(root);
    ::mkdir(folder.c_str(), 0755);
    return folder;
}

}  // namespace

UMockdevTestbed* MockTestbed() {
    return testbed;
}

bool InMockKernel() {
    return testbed && umockdev_in_mock_environment();
}

bool OpenTestbedToOtherUsers() {
    gchar* root = umockdev_testbed_get_root_dir(testbed);
    std::string folder = root;
    g_free(root);
    return ::chmod(folder.c_str(), 0755) == 0 &&
           ::chmod((folder + "/ioctl/_default").c_str(), 0777) == 0;
}

struct MockHidDevice::NodeState {
    MockHidDevice* owner = nullptr;
    std::size_t index = 0;
    std::string devnode;
    std::string sysname;
    std::string link;  // the node in the testbed's /dev
    UMockdevIoctlBase* handler = nullptr;
    int master = -1;  // of the pty behind the node
    int slave = -1;   // the mock's own end, to take the doorbell byte back
    // Guarded by the owner's mutex.
    bool present = false;
    std::deque<std::vector<std::uint8_t>> queue;

    void RingDoorbell() const {
        char bell = 'x';
        [[maybe_unused]] ssize_t written = ::write(master, &bell, 1);
    }
    void SilenceDoorbell() const {
        char bytes[16];
        while (::read(slave, bytes, sizeof bytes) > 0) {
        }
    }
    // With the owner's mutex held: counts a call to a node that is gone.
    bool Gone() const {
        if (present)
            return false;
        ++owner->callsWhileUnplugged_;
        return true;
    }
    void Finish(UMockdevIoctlClient* client, long result, int error,
                std::optional<MockTransfer> transfer = std::nullopt) const {
        if (transfer)
            owner->transfers_.push_back(std::move(*transfer));
        umockdev_ioctl_client_complete(client, result, error);
        owner->changed_.notify_all();
    }

    static gboolean OnIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data);
    static gboolean OnWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data);
    static gboolean OnRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data);
};

gboolean MockHidDevice::NodeState::OnIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                           gpointer data) {
    const NodeState& node = *static_cast<NodeState*>(data);
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (_IOC_TYPE(request) != 'H')
        return FALSE;  // umockdev answers ENOTTY
    std::lock_guard lock(node.owner->mutex_);
    const unsigned nr = _IOC_NR(request);
    const std::size_t length = _IOC_SIZE(request);
    if (node.Gone()) {
        node.Finish(client, -1, ENODEV);
        return TRUE;
    }
    if ((nr != kSetFeatureNr && nr != kGetFeatureNr) || length == 0) {
        node.Finish(client, -1, EINVAL);
        return TRUE;
    }
    if (node.owner->transferError_ != 0) {
        node.Finish(client, -1, node.owner->transferError_);
        return TRUE;
    }
    GError* error = nullptr;
    UMockdevIoctlData* buffer =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, length, &error);
    if (!buffer) {
        g_clear_error(&error);
        node.Finish(client, -1, EFAULT);
        return TRUE;
    }
    MockTransfer transfer{
        MockTransfer::Kind::SetFeature, node.index, {buffer->data, buffer->data + length}};
    if (nr == kGetFeatureNr) {
        transfer.kind = MockTransfer::Kind::GetFeature;
        const std::vector<std::uint8_t>& reply = node.owner->featureReply_;
        std::copy_n(reply.begin(), std::min(reply.size(), length - 1), buffer->data + 1);
    }
    node.Finish(client, static_cast<long>(length), 0, std::move(transfer));
    g_object_unref(buffer);
    return TRUE;
}

gboolean MockHidDevice::NodeState::OnWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                           gpointer data) {
    const NodeState& node = *static_cast<NodeState*>(data);
    std::lock_guard lock(node.owner->mutex_);
    if (node.Gone()) {
        node.Finish(client, -1, ENODEV);
        return TRUE;
    }
    if (node.owner->transferError_ != 0) {
        node.Finish(client, -1, node.owner->transferError_);
        return TRUE;
    }
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    auto length = static_cast<std::size_t>(buffer->data_len);
    node.Finish(client, buffer->data_len, 0,
                MockTransfer{
                    MockTransfer::Kind::Output, node.index, {buffer->data, buffer->data + length}});
    return TRUE;
}

gboolean MockHidDevice::NodeState::OnRead(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                          gpointer data) {
    NodeState& node = *static_cast<NodeState*>(data);
    std::lock_guard lock(node.owner->mutex_);
    if (node.Gone()) {
        node.Finish(client, -1, EIO);
        return TRUE;
    }
    if (node.queue.empty()) {  // nothing announced: as a non-blocking read would
        node.Finish(client, -1, EAGAIN);
        return TRUE;
    }
    std::vector<std::uint8_t> report = std::move(node.queue.front());
    node.queue.pop_front();
    if (node.queue.empty())
        node.SilenceDoorbell();
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    report.resize(std::min(report.size(), static_cast<std::size_t>(buffer->data_len)));
    std::copy(report.begin(), report.end(), buffer->data);
    long count = static_cast<long>(report.size());
    node.Finish(client, count, 0,
                MockTransfer{MockTransfer::Kind::Read, node.index, std::move(report)});
    return TRUE;
}

MockHidDevice::MockHidDevice(HidIdentity identity, std::vector<MockNodeShape> nodes, bool usb)
    : identity_(identity), shapes_(std::move(nodes)), usb_(usb) {}

MockHidDevice::~MockHidDevice() {
    Unplug();
    for (const std::unique_ptr<NodeState>& node : retired_) {
        g_signal_handlers_disconnect_matched(node->handler, G_SIGNAL_MATCH_DATA, 0, 0, nullptr,
                                             nullptr, node.get());
        g_object_unref(node->handler);
    }
}

void MockHidDevice::PlugIn() {
    if (plugged_)
        return;
    if (nextDevice > kLastDevice)
        throw std::runtime_error("too many mock devices for one process");
    plugged_ = true;
    const std::string devFolder = DevFolder();
    const std::string port = "1-" + std::to_string(nextDevice);
    const unsigned sequence = static_cast<unsigned>(nextDevice++);
    std::string usbDevice;
    if (usb_) {
        usbDevice = AddDevice(
            "usb", "pci0000:00/0000:00:14.0/usb1/" + port, "",
            {"idVendor", Format("%04x", identity_.vendorId), "idProduct",
             Format("%04x", identity_.productId), "bcdDevice", Format("%04x", identity_.version)},
            {"DEVTYPE", "usb_device"});
    }
    const std::string bus = usb_ ? "0003" : "0005";
    const std::string hidId =
        bus + ":" + Format("%08X", identity_.vendorId) + ":" + Format("%08X", identity_.productId);
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        auto node = std::make_unique<NodeState>();
        node->owner = this;
        node->index = i;
        const std::string number = std::to_string(nextHidraw++);
        node->sysname = "hidraw" + number;
        node->devnode = "/dev/" + node->sysname;
        node->link = devFolder + "/" + node->sysname;

        // The node first, so that a program reacting to "add" can open it at once.
        char ptyName[64];
        if (::openpty(&node->master, &node->slave, ptyName, nullptr, nullptr) < 0)
            throw std::runtime_error("openpty failed");
        termios mode{};
        ::tcgetattr(node->slave, &mode);
        ::cfmakeraw(&mode);
        ::tcsetattr(node->slave, TCSANOW, &mode);
        ::fcntl(node->slave, F_SETFL, O_NONBLOCK);
        ::unlink(node->link.c_str());
        if (::symlink(ptyName, node->link.c_str()) < 0)
            throw std::runtime_error("symlink failed");
        node->handler = umockdev_ioctl_base_new();
        for (auto [signal, handler] : {std::pair{"handle-ioctl", &NodeState::OnIoctl},
                                       std::pair{"handle-write", &NodeState::OnWrite},
                                       std::pair{"handle-read", &NodeState::OnRead}}) {
            g_signal_connect_data(node->handler, signal, reinterpret_cast<GCallback>(handler),
                                  node.get(), nullptr, static_cast<GConnectFlags>(0));
        }
        GError* error = nullptr;
        if (!umockdev_testbed_attach_ioctl(testbed, node->devnode.c_str(), node->handler, &error))
            throw std::runtime_error(error->message);
        {
            std::lock_guard lock(mutex_);
            node->present = true;
        }

        const MockNodeShape& shape = shapes_[i];
        std::string hidParent;
        std::string hidName = bus + ":" + Format("%04X", identity_.vendorId) + ":" +
                              Format("%04X", identity_.productId) + "." +
                              Format("%04X", sequence * 16 + static_cast<unsigned>(i));
        if (usb_) {
            hidParent =
                AddDevice("usb", port + ":1." + std::to_string(shape.interfaceNumber), usbDevice,
                          {"bInterfaceNumber", Format("%02x", shape.interfaceNumber),
                           "bInterfaceClass", "03"},
                          {"DEVTYPE", "usb_interface", "DRIVER", "usbhid"});
        } else {
            hidName = "virtual/misc/uhid/" + hidName;
        }
        std::string hid =
            AddDevice("hid", hidName, hidParent, {},
                      {"HID_ID", hidId, "HID_NAME", "Mock HID device", "DRIVER", "hid-generic"});
        std::vector<std::uint8_t> descriptor = shape.descriptor;
        if (shape.descriptorReadable) {
            umockdev_testbed_set_attribute_binary(testbed, hid.c_str(), "report_descriptor",
                                                  descriptor.data(),
                                                  static_cast<gint>(descriptor.size()));
        }
        std::string hidraw =
            AddDevice("hidraw", "hidraw/" + node->sysname, hid, {"dev", "243:" + number},
                      {"MAJOR", "243", "MINOR", number, "DEVNAME", node->devnode,
                       "USEC_INITIALIZED", std::to_string(1000000 + sequence)});
        syspaths_.insert(syspaths_.begin(), hidraw);
        syspaths_.insert(syspaths_.begin() + 1, hid);
        if (usb_)
            syspaths_.insert(syspaths_.begin() + 2, hidParent);
        nodes_.push_back(std::move(node));
    }
    if (usb_)
        syspaths_.push_back(usbDevice);
}

void MockHidDevice::Unplug() {
    if (!plugged_)
        return;
    plugged_ = false;
    {
        std::lock_guard lock(mutex_);
        for (const std::unique_ptr<NodeState>& node : nodes_) {
            node->present = false;
            node->queue.clear();
            ::close(node->master);  // the hang-up that open descriptors see
            node->master = -1;
        }
    }
    for (const std::string& syspath : syspaths_)
        umockdev_testbed_uevent(testbed, syspath.c_str(), "remove");
    for (const std::string& syspath : syspaths_)
        umockdev_testbed_remove_device(testbed, syspath.c_str());
    syspaths_.clear();
    DetachHandlers();
    for (std::unique_ptr<NodeState>& node : nodes_) {
        ::close(node->slave);
        node->slave = -1;
        ::unlink(node->link.c_str());
        retired_.push_back(std::move(node));
    }
    nodes_.clear();
}

void MockHidDevice::DetachHandlers() {
    for (const std::unique_ptr<NodeState>& node : nodes_) {
        GError* error = nullptr;
        umockdev_testbed_detach_ioctl(testbed, node->devnode.c_str(), &error);
        g_clear_error(&error);
    }
}

std::string MockHidDevice::Node(std::size_t node) const {
    return nodes_.at(node)->devnode;
}

std::vector<std::string> MockHidDevice::Nodes() const {
    std::vector<std::string> nodes;
    for (const std::unique_ptr<NodeState>& node : nodes_)
        nodes.push_back(node->devnode);
    return nodes;
}

std::string MockHidDevice::Sysname(std::size_t node) const {
    return nodes_.at(node)->sysname;
}

void MockHidDevice::Inject(std::size_t node, std::vector<std::uint8_t> report) {
    std::lock_guard lock(mutex_);
    NodeState& target = *nodes_.at(node);
    if (!target.present)
        return;
    target.queue.push_back(std::move(report));
    if (target.queue.size() == 1)
        target.RingDoorbell();
}

void MockHidDevice::SetFeatureReply(std::vector<std::uint8_t> reply) {
    std::lock_guard lock(mutex_);
    featureReply_ = std::move(reply);
}

void MockHidDevice::FailTransfers(int error) {
    std::lock_guard lock(mutex_);
    transferError_ = error;
}

std::vector<MockTransfer> MockHidDevice::Transfers() const {
    std::lock_guard lock(mutex_);
    return transfers_;
}

bool MockHidDevice::WaitForTransfers(std::size_t count) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(30),
                             [&] { return transfers_.size() >= count; });
}

int MockHidDevice::CallsWhileUnplugged() const {
    std::lock_guard lock(mutex_);
    return callsWhileUnplugged_;
}

}  // namespace vorlak
