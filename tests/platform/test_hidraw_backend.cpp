// SPDX-License-Identifier: GPL-3.0-or-later
// The hidraw backend with the real libudev and hidraw calls, against umockdev's mocked
// kernel, and the transport and command set running over it.
#include "platform/linux/hidraw_backend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "common/diagnostics.h"
#include "device/device_commands.h"
#include "device/event_sink.h"
#include "device/hid_transport.h"
#include "mock_hid_device.h"
#include "mouse_descriptors.h"

namespace vorlak {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = MockTransfer::Kind;

constexpr HidIdentity kMouse{0x04D9, 0xA168, 0x0100};
constexpr HidIdentity kSecondMouse{0x260D, 0x1010, 0x0200};
constexpr HidIdentity kOther{0x046D, 0xC52B, 0x1201};

std::string Describe(const HidInterfaceInfo& info) {
    char text[160];
    std::snprintf(text, sizeof text, "%s %04X:%04X v%04X %04X/%04X in %u out %u feature %u%s%s",
                  info.path.c_str(), info.identity.vendorId, info.identity.productId,
                  info.identity.version, info.caps.usagePage, info.caps.usage,
                  info.caps.inputReportLength, info.caps.outputReportLength,
                  info.caps.featureReportLength, info.capsOk ? "" : " caps failed",
                  info.preparsedOk ? "" : " no descriptor");
    return text;
}

class HidrawBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InMockKernel()) << "run with LD_PRELOAD=libumockdev-preload.so.0";
    }

    MockHidDevice& Plug(HidIdentity identity, std::vector<MockNodeShape> nodes, bool usb = true) {
        devices.push_back(std::make_unique<MockHidDevice>(identity, std::move(nodes), usb));
        devices.back()->PlugIn();
        return *devices.back();
    }
    // The two collections of the mouse on two USB interfaces, in the order given.
    MockHidDevice& PlugMouse(bool eventFirst = true) {
        return Plug(kMouse, {{kEventDescriptor, eventFirst ? 0U : 1U},
                             {kCommandDescriptor, eventFirst ? 1U : 0U}});
    }
    // The listed interfaces of the devices plugged in by this test.
    std::vector<std::string> Listed() {
        std::vector<std::string> described;
        std::vector<HidInterfaceInfo> list = backend.Enumerate().value();
        for (const HidInterfaceInfo& info : list) {
            for (const auto& device : devices) {
                std::vector<std::string> nodes = device->Nodes();
                if (std::find(nodes.begin(), nodes.end(), NodeOfPath(info.path)) != nodes.end())
                    described.push_back(Describe(info));
            }
        }
        return described;
    }

    // The devices and the sink outlive the transport: its listener stops and its
    // descriptors close first.
    std::vector<std::unique_ptr<MockHidDevice>> devices;
    EventSink sink;
    LinuxHidBackend backend;
    ConfigStore store;
    HidTransport transport{backend, store, [](std::chrono::milliseconds) {}};
};

TEST_F(HidrawBackendTest, EveryTopLevelCollectionIsOneInterfaceWithTheIdentityOfItsDevice) {
    MockHidDevice& mouse = PlugMouse();
    MockHidDevice& other = Plug(
        kOther, {{Concat({kBootMouseDescriptor, kEventDescriptor, kCommandDescriptor}), 0}}, false);
    MockHidDevice& broken =
        Plug(kSecondMouse, {{{0x05, 0x01, 0xA1, 0x01}, 0}, {kCommandDescriptor, 1, false}});
    const std::vector<std::string> expected = {
        mouse.Node(0) + " 04D9:A168 v0100 FF01/FF01 in 8 out 0 feature 0",
        mouse.Node(1) + " 04D9:A168 v0100 FF00/FF00 in 0 out 33 feature 9",
        broken.Node(0) + " 260D:1010 v0200 0000/0000 in 0 out 0 feature 0 caps failed",
        broken.Node(1) + " 260D:1010 v0200 0000/0000 in 0 out 0 feature 0 caps failed" +
            " no descriptor",
        other.Node(0) + " 046D:C52B v0000 0001/0002 in 4 out 0 feature 0",
        other.Node(0) + "#1 046D:C52B v0000 FF01/FF01 in 8 out 0 feature 0",
        other.Node(0) + "#2 046D:C52B v0000 FF00/FF00 in 0 out 33 feature 9",
    };
    EXPECT_EQ(Listed(), expected);
}

TEST(CollectionPathTest, CollectionPathsNameTheirNode) {
    EXPECT_EQ(CollectionPath("/dev/hidraw3", 0), "/dev/hidraw3");
    EXPECT_EQ(CollectionPath("/dev/hidraw3", 2), "/dev/hidraw3#2");
    for (const char* path : {"/dev/hidraw3", "/dev/hidraw3#2", "/dev/hidraw3#12"})
        EXPECT_EQ(NodeOfPath(path), "/dev/hidraw3") << path;
    EXPECT_EQ(NodeOfPath("/dev/odd#name"), "/dev/odd#name");
    EXPECT_EQ(NodeOfPath("/dev/odd#"), "/dev/odd#");
}

class HidrawDiscoveryOrderTest : public HidrawBackendTest,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P(HidrawDiscoveryOrderTest, TheEventCollectionIsOpenedOnlyWhenListedFirst) {
    const bool eventFirst = GetParam();
    MockHidDevice& mouse = PlugMouse(eventFirst);
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    EXPECT_EQ(transport.DevicePath(), mouse.Node(1));
    EXPECT_TRUE(transport.CommandOpen());
    EXPECT_EQ(transport.FeatureReportLength(), 9);
    EXPECT_EQ(transport.EventOpen(), eventFirst);
    EXPECT_EQ(transport.EventReportLength(), eventFirst ? 8 : 0);
    EXPECT_EQ(store.deviceConnected, 1);
}

INSTANTIATE_TEST_SUITE_P(EventFirstOrLast, HidrawDiscoveryOrderTest, ::testing::Bool());

TEST_F(HidrawBackendTest, InterfacesWithOtherUsagesOrFeatureLengthsAreSkipped) {
    MockHidDevice& mouse =
        Plug(kSecondMouse,
             {{kShortFeatureDescriptor, 0}, {kBootMouseDescriptor, 1}, {kCommandDescriptor, 2}});
    ASSERT_TRUE(transport.FindDevice(kSecondaryVendorId, kSecondaryProductId));
    EXPECT_EQ(transport.DevicePath(), mouse.Node(2));
    ASSERT_TRUE(transport.SendFeatureFrame({0x80}));
    ASSERT_TRUE(mouse.WaitForTransfers(1));
    EXPECT_EQ(mouse.Transfers()[0].node, 2U);
}

TEST_F(HidrawBackendTest, AMouseNodeWithoutAUsableDescriptorStopsDiscovery) {
    const std::pair<MockNodeShape, const char*> cases[] = {
        {{{0xA1, 0x01}, 0}, "HidP_GetCaps failed."},
        {{kEventDescriptor, 0, false}, "HidD_GetPreparsedData failed.\n"},
    };
    for (const auto& [shape, line] : cases) {
        MockHidDevice mouse(kMouse, {shape, {kCommandDescriptor, 1}});
        mouse.PlugIn();
        DiagnosticCapture diagnostics;
        EXPECT_FALSE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId)) << line;
        EXPECT_TRUE(diagnostics.Contains(line)) << line;
        EXPECT_FALSE(transport.CommandOpen());
    }
}

TEST_F(HidrawBackendTest, FeatureFramesAndOutputReportsReachTheCommandNode) {
    MockHidDevice& mouse = PlugMouse();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    mouse.SetFeatureReply({0x80, 0x01, 0x07, 0, 0, 0, 0, 0x77});
    CommandBytes version{0x80};
    ASSERT_TRUE(transport.ExchangeFeatureFrame(version));
    EXPECT_EQ(version, (CommandBytes{0x80, 0x01, 0x07, 0, 0, 0, 0, 0x77}));
    const Bytes levels = {0x04, 0x09, 0x13, 0x1D, 0x27, 0x5D, 0, 0};
    ASSERT_TRUE(transport.SendBlock({0x11, 0x06, 0x08}, levels));

    Bytes output(33, 0);
    std::copy(levels.begin(), levels.end(), output.begin() + 1);
    const std::vector<MockTransfer> expected = {
        {Kind::SetFeature, 1, {0x00, 0x80, 0, 0, 0, 0, 0, 0, 0x7F}},
        {Kind::GetFeature, 1, Bytes(9, 0)},
        {Kind::SetFeature, 1, {0x00, 0x11, 0x06, 0x08, 0, 0, 0, 0, 0xE0}},
        {Kind::Output, 1, output},
    };
    EXPECT_EQ(mouse.Transfers(), expected);
}

TEST_F(HidrawBackendTest, TheListenerDeliversEventReportsOfAnyLengthAndDropsTheRest) {
    MockHidDevice& mouse = PlugMouse();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    transport.StartListener(sink.Callback());
    Bytes longReport(64, 0x55);
    longReport[0] = 6, longReport[1] = 7, longReport[2] = 2, longReport[3] = 5;
    const std::vector<Bytes> reports = {{6, 8, 1, 3}, {},           {6},
                                        {6, 7},       {6, 7, 1},    {6, 7, 1, 3},
                                        longReport,   {7, 6, 1, 3}, {6, 7, 9, 2}};
    for (const Bytes& report : reports)
        mouse.Inject(0, report);
    EXPECT_EQ(sink.Wait(3), (std::vector<std::pair<int, int>>{{1, 3}, {2, 5}, {9, 2}}));
    transport.StopListener();

    // One read per report, none longer than the declared event report length.
    std::vector<MockTransfer> reads = mouse.Transfers();
    ASSERT_EQ(reads.size(), reports.size());
    for (std::size_t i = 0; i < reads.size(); ++i) {
        Bytes served = reports[i];
        served.resize(std::min<std::size_t>(served.size(), 8));
        EXPECT_EQ(reads[i], (MockTransfer{Kind::Read, 0, served})) << i;
    }
}

TEST_F(HidrawBackendTest, CollectionsSharingOneNodeAreOpenedThroughIt) {
    MockHidDevice& mouse = Plug(kMouse, {{Concat({kEventDescriptor, kCommandDescriptor}), 0}});
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    EXPECT_EQ(transport.DevicePath(), mouse.Node(0) + "#1");
    EXPECT_TRUE(transport.EventOpen());
    transport.StartListener(sink.Callback());
    ASSERT_TRUE(transport.SendFeatureFrame({0x83}));
    mouse.Inject(0, {6, 7, 1, 2});
    EXPECT_EQ(sink.Wait(1), (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(mouse.Transfers()[0],
              (MockTransfer{Kind::SetFeature, 0, {0x00, 0x83, 0, 0, 0, 0, 0, 0, 0x7C}}));
}

TEST_F(HidrawBackendTest, WakeEndsAWaitingReadAndTheNextOne) {
    MockHidDevice& mouse = PlugMouse();
    std::unique_ptr<HidHandle> events = backend.OpenEvent(mouse.Node(0));
    ASSERT_TRUE(events);
    std::array<std::uint8_t, 8> buffer{};
    int waited = -2;
    std::thread reader([&] { waited = events->Read(buffer); });
    events->Wake();
    reader.join();
    EXPECT_EQ(waited, 0);

    events->Wake();
    EXPECT_EQ(events->Read(buffer), 0);
    mouse.Inject(0, {6, 7, 1, 4});
    EXPECT_EQ(events->Read(buffer), 4);
    EXPECT_EQ(buffer[3], 4);
}

TEST_F(HidrawBackendTest, AnUnpluggedNodeFailsForGoodWithoutBeingTouchedAgain) {
    MockHidDevice& mouse = PlugMouse();
    std::unique_ptr<HidHandle> events = backend.OpenEvent(mouse.Node(0));
    std::unique_ptr<HidHandle> command = backend.OpenCommand(mouse.Node(1));
    ASSERT_TRUE(events && command);
    std::array<std::uint8_t, 8> buffer{};
    int waited = -2;
    std::thread reader([&] { waited = events->Read(buffer); });
    mouse.Unplug();
    reader.join();
    EXPECT_EQ(waited, -1);
    EXPECT_EQ(events->Read(buffer), -1);

    Bytes frame(9, 0);
    EXPECT_EQ(command->SetFeature(frame).Error(), ENODEV);  // the node is gone
    EXPECT_EQ(command->SetFeature(frame).Error(), ENODEV);
    EXPECT_EQ(command->GetFeature(frame).Error(), ENODEV);
    EXPECT_EQ(command->Write(Bytes(33, 0)).Error(), ENODEV);
    EXPECT_EQ(mouse.CallsWhileUnplugged(), 1);
}

TEST_F(HidrawBackendTest, UnplugDuringAReadEndsTheListener) {
    MockHidDevice& mouse = PlugMouse();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    transport.StartListener(sink.Callback());
    mouse.Inject(0, {6, 7, 1, 1});
    ASSERT_EQ(sink.Wait(1).size(), 1U);  // the listener is in its read loop
    mouse.Unplug();
    transport.StopListener();
    EXPECT_EQ(mouse.CallsWhileUnplugged(), 0);
}

// A plug of the mouse is told from the one before by when udev initialised its node.
TEST_F(HidrawBackendTest, EveryPlugHasAnArrivalKeyOfItsOwn) {
    MockHidDevice& mouse = PlugMouse();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    const std::string first = transport.ArrivalKey();
    EXPECT_NE(first.find("@"), std::string::npos) << first;
    const std::string node = mouse.Node(1);
    EXPECT_EQ(backend.ArrivalKey(node), first);
    transport.CloseHandles();
    mouse.Unplug();
    EXPECT_EQ(backend.ArrivalKey(node), "");  // no such node now
    mouse.PlugIn();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    EXPECT_NE(transport.ArrivalKey(), "");
    EXPECT_NE(transport.ArrivalKey(), first);
    transport.CloseHandles();
}

// The node's own reason reaches the caller: EPIPE for a report the device stalled, EIO for an
// error on the bus; neither closes the node for good.
TEST_F(HidrawBackendTest, AFailedTransferGivesTheSystemsReason) {
    MockHidDevice& mouse = PlugMouse();
    std::unique_ptr<HidHandle> command = backend.OpenCommand(mouse.Node(1));
    ASSERT_TRUE(command);
    Bytes frame(9, 0);
    for (int error : {EPIPE, EIO, ETIMEDOUT}) {
        mouse.FailTransfers(error);
        EXPECT_EQ(command->SetFeature(frame).Error(), error);
        EXPECT_EQ(command->GetFeature(frame).Error(), error);
        EXPECT_EQ(command->Write(Bytes(33, 0)).Error(), error);
    }
    mouse.FailTransfers(0);
    EXPECT_TRUE(command->SetFeature(frame));
}

TEST_F(HidrawBackendTest, UnplugDuringAnApplyStopsItAtTheStepThatFoundTheNodeGone) {
    MockHidDevice& mouse = PlugMouse();
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    transport.StartListener(sink.Callback());
    ResetToDefaults(store.currentConfig);
    DeviceCommands commands{transport, store};
    std::size_t beforeUnplug = 0;
    const std::vector<ApplyStep> steps = BuildApplySteps(store.currentConfig);
    const ApplyResult result =
        commands.ApplyToMouse(store.currentConfig, steps, [&](int, int, const ApplyStep& step) {
            if (step.kind == ApplyStepKind::Macro && step.number == 5) {
                beforeUnplug = mouse.Transfers().size();
                mouse.Unplug();
            }
        });
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->number, 5);
    EXPECT_EQ(result.failure->error, ENODEV);
    EXPECT_EQ(result.sent, 10);
    EXPECT_GT(beforeUnplug, 10U);
    EXPECT_EQ(mouse.Transfers().size(), beforeUnplug);
    EXPECT_EQ(mouse.CallsWhileUnplugged(), 1);  // the first transfer finds the node gone
    transport.CloseHandles();
}

// Opened by an ordinary user, the mouse's nodes (either identity) are refused while
// another device's is not reported.
TEST_F(HidrawBackendTest, NodesOfTheMouseThatTheUserMayNotOpenAreReported) {
    MockHidDevice& mouse = PlugMouse();
    MockHidDevice& second = Plug(kSecondMouse, {{kCommandDescriptor, 0}});
    MockHidDevice& other = Plug(kOther, {{kBootMouseDescriptor, 0}});
    EXPECT_EQ(InaccessibleMouseNodes(), std::vector<std::string>{}) << "the owner may open all";
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    for (MockHidDevice* device : {&mouse, &second, &other}) {
        device->DetachHandlers();
        for (const std::string& node : device->Nodes())
            ASSERT_EQ(::chmod(node.c_str(), 0600), 0) << node;  // for root alone
    }
    ASSERT_TRUE(OpenTestbedToOtherUsers());
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    pid_t child = ::fork();
    if (child == 0) {
        std::string names;
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            for (const std::string& node : InaccessibleMouseNodes())
                names += node + "\n";
        }
        [[maybe_unused]] ssize_t written = ::write(channel[1], names.data(), names.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string names;
    char chunk[256];
    for (ssize_t n; (n = ::read(channel[0], chunk, sizeof chunk)) > 0;)
        names.append(chunk, static_cast<std::size_t>(n));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    std::vector<std::string> expected = {mouse.Node(0), mouse.Node(1), second.Node(0)};
    std::string expectedNames;
    for (const std::string& node : expected)
        expectedNames += node + "\n";
    EXPECT_EQ(names, expectedNames);
}

}  // namespace
}  // namespace vorlak
