// SPDX-License-Identifier: GPL-3.0-or-later
// The hot-plug monitor on the uevents of umockdev's mocked kernel.
#include "platform/linux/udev_hotplug_monitor.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <chrono>

#include "mock_hid_device.h"
#include "mouse_descriptors.h"

namespace vorlak {
namespace {

using Kind = DeviceNotice::Kind;

constexpr HidIdentity kMouse{0x04D9, 0xA168, 0x0100};

// "arrival <name>" or "removal <name>", sorted: the order among the nodes of one device
// is the mock's, not the monitor's.
using Notices = std::vector<std::string>;

class UdevHotplugMonitorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InMockKernel()) << "run with LD_PRELOAD=libumockdev-preload.so.0";
    }

    // Waits on the monitor's descriptor until count notices came (30 s at most).
    Notices Take(UdevHotplugMonitor& monitor, std::size_t count) {
        Notices taken;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (taken.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd ready{monitor.NotifyDescriptor(), POLLIN, 0};
            ::poll(&ready, 1, 100);
            for (const DeviceNotice& notice : monitor.TakeNotices())
                taken.push_back((notice.kind == Kind::Arrival ? "arrival " : "removal ") +
                                notice.name);
        }
        std::sort(taken.begin(), taken.end());
        return taken;
    }

    static Notices Expected(const char* kind, const std::vector<std::string>& names) {
        Notices expected;
        for (const std::string& name : names)
            expected.push_back(std::string(kind) + " " + name);
        std::sort(expected.begin(), expected.end());
        return expected;
    }

    std::string Name(const char* identity, const std::string& sysname) {
        return std::string(R"(\\?\HID#)") + identity + "#" + sysname;
    }
};

TEST_F(UdevHotplugMonitorTest, EachAddedAndRemovedNodeIsNamed) {
    UdevHotplugMonitor monitor;
    ASSERT_GE(monitor.NotifyDescriptor(), 0);
    EXPECT_TRUE(monitor.TakeNotices().empty());  // nothing waiting: returns at once

    MockHidDevice mouse(kMouse, {{kEventDescriptor, 0}, {kCommandDescriptor, 1}});
    mouse.PlugIn();
    const std::vector<std::string> names = {Name("VID_04D9&PID_A168&MI_00", mouse.Sysname(0)),
                                            Name("VID_04D9&PID_A168&MI_01", mouse.Sysname(1))};
    EXPECT_EQ(Take(monitor, 2), Expected("arrival", names));
    mouse.Unplug();
    EXPECT_EQ(Take(monitor, 2), Expected("removal", names));
}

TEST_F(UdevHotplugMonitorTest, AnyDeviceIsNamedInUpperCaseAndWithoutMiWhenNotOnUsb) {
    UdevHotplugMonitor monitor;
    MockHidDevice other({0x046D, 0xC52B, 0}, {{kBootMouseDescriptor, 0}}, false);
    MockHidDevice second({0x260D, 0x1010, 0}, {{kCommandDescriptor, 12}});
    other.PlugIn();
    second.PlugIn();
    EXPECT_EQ(Take(monitor, 2),
              Expected("arrival", {Name("VID_046D&PID_C52B", other.Sysname(0)),
                                   Name("VID_260D&PID_1010&MI_0C", second.Sysname(0))}));
}

TEST_F(UdevHotplugMonitorTest, ANodePresentBeforeTheMonitorStartedIsNamedOnRemoval) {
    MockHidDevice mouse(kMouse, {{kCommandDescriptor, 1}});
    mouse.PlugIn();
    const std::string name = Name("VID_04D9&PID_A168&MI_01", mouse.Sysname(0));
    UdevHotplugMonitor monitor;
    mouse.Unplug();
    EXPECT_EQ(Take(monitor, 1), Expected("removal", {name}));
}

}  // namespace
}  // namespace vorlak
