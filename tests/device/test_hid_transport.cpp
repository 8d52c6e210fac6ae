// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid_transport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "common/diagnostics.h"
#include "device/event_sink.h"
#include "fake_hid.h"

namespace vorlak {
namespace {

using std::chrono::milliseconds;

class TransportTest : public ::testing::Test {
protected:
    HidTransport& Transport() {
        if (!transport)
            transport = std::make_unique<HidTransport>(
                backend, store, [this](milliseconds ms) { pauses.push_back(ms); });
        return *transport;
    }

    EventSink sink;  // outlives the listener, which the transport stops
    FakeBackend backend;
    ConfigStore store;
    std::vector<milliseconds> pauses;
    DiagnosticCapture diagnostics;
    std::unique_ptr<HidTransport> transport;
};

TEST_F(TransportTest, DiscoveryOpensTheRightCollections) {
    struct Case {
        const char* name;
        std::vector<HidInterfaceInfo> list;
        bool secondary;  // search for the secondary identity
        bool found;
        std::vector<std::string> eventOpens, commandOpens;
        const char* diagnostic;  // a text that must have been emitted, or null
    };
    HidInterfaceInfo noProbe = CommandInterface("cmd");
    noProbe.probeOk = false;
    HidInterfaceInfo noCaps = CommandInterface("cmd");
    noCaps.capsOk = false;
    HidInterfaceInfo noPreparsed = CommandInterface("cmd");
    noPreparsed.preparsedOk = false;
    HidInterfaceInfo otherUsage = CommandInterface("other");
    otherUsage.caps.usage = 0x0001;
    const std::vector<Case> cases = {
        {"event before command",
         {EventInterface("ev"), CommandInterface("cmd")},
         false,
         true,
         {"ev"},
         {"cmd"},
         nullptr},
        {"event after command",
         {CommandInterface("cmd"), EventInterface("ev")},
         false,
         true,
         {},
         {"cmd"},
         nullptr},
        {"feature length 8 skipped",
         {CommandInterface("c8", 0x04D9, 0xA168, 8), CommandInterface("cmd")},
         false,
         true,
         {},
         {"cmd"},
         nullptr},
        {"only a wrong feature length",
         {CommandInterface("c65", 0x04D9, 0xA168, 65)},
         false,
         false,
         {},
         {},
         "SetupDiEnumDeviceInterfaces failed.\n"},
        {"wrong identity skipped",
         {CommandInterface("kbd", 0x1234, 0x5678), CommandInterface("cmd")},
         false,
         true,
         {},
         {"cmd"},
         "PID:5678,VID:1234,VersionNumber:0100\n"},
        {"other usage skipped",
         {otherUsage, CommandInterface("cmd")},
         false,
         true,
         {},
         {"cmd"},
         nullptr},
        {"secondary identity",
         {CommandInterface("p"), CommandInterface("s", 0x260D, 0x1010)},
         true,
         true,
         {},
         {"s"},
         nullptr},
        {"probe failure ends the search",
         {noProbe, CommandInterface("cmd2")},
         false,
         false,
         {},
         {},
         nullptr},
        {"caps failure",
         {noCaps, CommandInterface("cmd2")},
         false,
         false,
         {},
         {},
         "HidP_GetCaps failed."},
        {"capability data failure",
         {noPreparsed},
         false,
         false,
         {},
         {},
         "HidD_GetPreparsedData failed.\n"},
        {"empty list", {}, false, false, {}, {}, "SetupDiEnumDeviceInterfaces failed.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeBackend fresh;
        fresh.interfaces = c.list;
        ConfigStore freshStore;
        diagnostics.Clear();
        HidTransport t(fresh, freshStore, [](milliseconds) {});
        bool found = c.secondary ? t.FindDevice(kSecondaryVendorId, kSecondaryProductId)
                                 : t.FindDevice(kPrimaryVendorId, kPrimaryProductId);
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(fresh.eventOpens, c.eventOpens);
        EXPECT_EQ(fresh.commandOpens, c.commandOpens);
        EXPECT_EQ(freshStore.deviceConnected, c.found ? 1 : 0);
        EXPECT_EQ(t.CommandOpen(), c.found);
        if (c.diagnostic) {
            EXPECT_TRUE(diagnostics.Contains(c.diagnostic));
        }
    }
}

TEST_F(TransportTest, DiscoveryReportsEachInterfaceItExamines) {
    backend.interfaces = {CommandInterface("kbd", 0x1111, 0x2222), EventInterface("/dev/ev"),
                          CommandInterface("/dev/cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    const std::vector<std::string> expected = {
        "PID:2222,VID:1111,VersionNumber:0100\n",
        "PID:a168,VID:04d9,VersionNumber:0100\n",
        "Find our hid device.Success\n",
        "DevicePath:/dev/ev,Usage:0xff01,UsagePage:0xff01,FeatureReportByteLength:0x0000,"
        "InputReportByteLength:0x8,OutputReportByteLength:0x0\n",
        "PID:a168,VID:04d9,VersionNumber:0100\n",
        "Find our hid device.Success\n",
        "DevicePath:/dev/cmd,Usage:0xff00,UsagePage:0xff00,FeatureReportByteLength:0x0009,"
        "InputReportByteLength:0x0,OutputReportByteLength:0x21\n",
    };
    EXPECT_EQ(diagnostics.Lines(), expected);
    EXPECT_EQ(Transport().DevicePath(), "/dev/cmd");
    EXPECT_EQ(Transport().FeatureReportLength(), 9);
    EXPECT_EQ(Transport().EventReportLength(), 8);
}

TEST_F(TransportTest, FailedDiscoveryKeepsTheConnectedFlag) {
    store.deviceConnected = 1;
    backend.interfaces = std::nullopt;
    EXPECT_FALSE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    backend.interfaces = {CommandInterface("cmd")};
    backend.failingPaths = {"cmd"};
    EXPECT_FALSE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    EXPECT_EQ(store.deviceConnected, 1);
    EXPECT_FALSE(Transport().CommandOpen());
}

TEST_F(TransportTest, RediscoveryClosesTheEarlierCommandHandleFirst) {
    backend.interfaces = {CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    ASSERT_EQ(backend.logs.size(), 2U);
    EXPECT_TRUE(backend.logs[0]->closed);
    EXPECT_FALSE(backend.logs[1]->closed);
}

TEST_F(TransportTest, BlocksGoOutIn32ByteChunksWithAPauseAfterEach) {
    backend.interfaces = {CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    const FakeHandleLog& log = *backend.logs[0];
    const CommandBytes header{0x13, 0x01, 0x80, 0, 0, 0, 0, 0};
    for (std::size_t length : {8U, 24U, 64U, 128U}) {
        SCOPED_TRACE(length);
        std::vector<Byte> data(length);
        for (std::size_t i = 0; i < length; ++i)
            data[i] = static_cast<Byte>(0xA0 + i);
        const std::size_t before = log.outputs.size();
        pauses.clear();
        EXPECT_TRUE(Transport().SendBlock(header, data));

        const std::size_t reports = (length + 31) / 32;
        ASSERT_EQ(log.outputs.size() - before, reports);
        EXPECT_EQ(pauses, std::vector<milliseconds>(reports, milliseconds(100)));
        auto frame = BuildFeatureFrame(header);
        EXPECT_EQ(log.features.back(), std::vector<Byte>(frame.begin(), frame.end()));
        for (std::size_t k = 0; k < reports; ++k) {
            const std::vector<Byte>& report = log.outputs[before + k];
            ASSERT_EQ(report.size(), 33U);
            EXPECT_EQ(report[0], 0);
            for (std::size_t b = 0; b < 32; ++b) {
                std::size_t at = k * 32 + b;
                EXPECT_EQ(report[b + 1], at < length ? data[at] : 0) << at;
            }
        }
    }
}

TEST_F(TransportTest, ExchangeHandsBackTheReplyBytes) {
    backend.interfaces = {CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    diagnostics.Clear();
    CommandBytes command{0x80};
    EXPECT_TRUE(Transport().ExchangeFeatureFrame(command));
    EXPECT_EQ(command, (CommandBytes{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(diagnostics.Lines(), std::vector<std::string>{"Buffer[1]:ee,Buffer[2]:ee."});
}

// Transfers were silent: a read that failed handed its zeroed buffer back as the reply, and a
// block went on after a report the mouse did not take.
TEST_F(TransportTest, AFailedTransferGivesItsReasonAndStopsTheBlock) {
    backend.interfaces = {CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    FakeHandleLog& log = *backend.logs[0];
    log.getFeatureError = EPIPE;
    CommandBytes command{0x83};
    const TransferResult read = Transport().ExchangeFeatureFrame(command);
    EXPECT_EQ(read.Error(), EPIPE);
    EXPECT_EQ(command, CommandBytes{0x83});

    log.writeError = EIO;
    pauses.clear();
    const TransferResult sent = Transport().SendBlock(command, std::vector<Byte>(128));
    EXPECT_EQ(sent.Error(), EIO);
    EXPECT_EQ(log.outputs.size(), 1U);
    EXPECT_TRUE(pauses.empty());
}

TEST_F(TransportTest, TransfersWithoutADeviceFailAsNoDevice) {
    CommandBytes command{0x83};
    EXPECT_EQ(Transport().SendFeatureFrame(command).Error(), ENODEV);
    EXPECT_EQ(Transport().SendBlock(command, std::vector<Byte>(8)).Error(), ENODEV);
    EXPECT_EQ(Transport().ExchangeFeatureFrame(command).Error(), ENODEV);
    EXPECT_EQ(command, CommandBytes{0x83});
    EXPECT_TRUE(pauses.empty());
}

void WaitFor(FakeHandleLog& log, const std::function<bool()>& done) {
    std::unique_lock lock(log.mutex);
    log.changed.wait_for(lock, std::chrono::seconds(30), done);
}

TEST_F(TransportTest, ListenerDeliversEventReportsAndDropsTheRest) {
    backend.interfaces = {EventInterface("ev", 64), CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    Transport().StartListener(sink.Callback());
    FakeHandleLog& log = *backend.logs[0];

    std::vector<Byte> longEvent(64, 0x77);
    longEvent[0] = 6, longEvent[1] = 7, longEvent[2] = 2, longEvent[3] = 5;
    std::vector<Byte> longJunk(64, 0x06);
    for (const std::vector<Byte>& report :
         {std::vector<Byte>{6, 8, 1, 3}, std::vector<Byte>{}, std::vector<Byte>{6},
          std::vector<Byte>{6, 7}, std::vector<Byte>{6, 7, 1}, longJunk, longEvent,
          std::vector<Byte>{7, 6, 1, 3}, std::vector<Byte>{6, 7, 1, 3}}) {
        log.Push(report);
    }
    const std::vector<std::pair<int, int>> expected = {{2, 5}, {1, 3}};
    EXPECT_EQ(sink.Wait(2), expected);
    Transport().StopListener();
    EXPECT_EQ(log.largestRead, kEventBufferSize);
}

TEST_F(TransportTest, ListenerEndsOnADeadHandleWithoutReadingAgain) {
    backend.interfaces = {EventInterface("ev"), CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    Transport().StartListener(sink.Callback());
    FakeHandleLog& log = *backend.logs[0];
    log.Push({6, 7, 9, 4});
    EXPECT_EQ(sink.Wait(1), (std::vector<std::pair<int, int>>{{9, 4}}));

    log.Kill();
    WaitFor(log, [&] { return log.readsAfterDead > 0; });
    Transport().StartListener(sink.Callback());  // a resume does not revive a dead handle
    Transport().StopListener();
    EXPECT_EQ(log.readsAfterDead, 1);
    EXPECT_EQ(store.deviceConnected, 1);
}

TEST_F(TransportTest, ListenerStartsReadingOnlyOnceTheMouseIsFound) {
    Transport().StartListener(sink.Callback());
    backend.interfaces = {EventInterface("ev"), CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    backend.logs[0]->Push({6, 7, 3, 2});
    EXPECT_EQ(sink.Wait(1), (std::vector<std::pair<int, int>>{{3, 2}}));
}

TEST_F(TransportTest, RediscoveryMovesTheListenerToTheNewEventHandle) {
    backend.interfaces = {EventInterface("ev"), CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    Transport().StartListener(sink.Callback());
    std::shared_ptr<FakeHandleLog> oldEvent = backend.logs[0];
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    ASSERT_EQ(backend.logs.size(), 4U);
    backend.logs[2]->Push({6, 7, 1, 4});
    EXPECT_EQ(sink.Wait(1), (std::vector<std::pair<int, int>>{{1, 4}}));
    Transport().CloseHandles();
    EXPECT_TRUE(oldEvent->closed);
    EXPECT_TRUE(backend.logs[2]->closed);
    EXPECT_TRUE(backend.logs[3]->closed);
}

TEST_F(TransportTest, DestructionStopsAWaitingListener) {
    backend.interfaces = {EventInterface("ev"), CommandInterface("cmd")};
    ASSERT_TRUE(Transport().FindDevice(kPrimaryVendorId, kPrimaryProductId));
    Transport().StartListener(sink.Callback());
    transport.reset();
    EXPECT_TRUE(backend.logs[0]->closed);
}

}  // namespace
}  // namespace vorlak
