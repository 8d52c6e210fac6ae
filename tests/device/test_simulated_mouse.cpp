// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/simulated_mouse.h"
#include "device/simulated_mouse_script.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "device/device_commands.h"
#include "device/hid_transport.h"

namespace vorlak {
namespace {

using Events = std::vector<std::pair<int, int>>;

// The simulated mouse found through the transport, with a listener collecting events.
class SimulatedMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
        transport.StartListener([this](int code, int value) {
            {
                std::lock_guard lock(mutex);
                events.emplace_back(code, value);
            }
            changed.notify_all();
        });
    }
    Events WaitForEvents(std::size_t n) {
        std::unique_lock lock(mutex);
        // A generous bound so that a broken listener fails the test instead of hanging it.
        changed.wait_for(lock, std::chrono::seconds(30), [&] { return events.size() >= n; });
        return events;
    }

    // Declared first so that they outlive the listener, which the transport stops.
    std::mutex mutex;
    std::condition_variable changed;
    Events events;
    SimulatedMouse mouse;
    ConfigStore store;
    HidTransport transport{mouse, store, [](std::chrono::milliseconds) {}};
};

TEST_F(SimulatedMouseTest, ListsTheEventCollectionFirst) {
    auto list = mouse.Enumerate();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2U);
    EXPECT_EQ((*list)[0].caps.usagePage, 0xFF01);
    EXPECT_EQ((*list)[1].caps.featureReportLength, 9);
    EXPECT_EQ((*list)[1].caps.outputReportLength, 33);
    EXPECT_TRUE(transport.EventOpen());
}

TEST_F(SimulatedMouseTest, DpiButtonStepsThroughTheEnabledStages) {
    store.currentConfig.dpiLevel = {4, 9, 19, 29, 39, 54, 54};
    store.currentConfig.dpiEnabled = {1, 0, 1, 0, 1, 1, 1};
    ASSERT_TRUE(transport.SendBlock({kCmdDpiLevels, kDpiLevelsObject, kDpiLevelBytes},
                                    DpiLevelData(store.currentConfig)));
    for (int i = 0; i < 4; ++i)
        mouse.PressDpiButton();
    mouse.PressMacroKey(5);
    const Events expected = {{1, 3}, {1, 5}, {1, 6}, {1, 1}, {9, 5}};
    EXPECT_EQ(WaitForEvents(5), expected);
    EXPECT_EQ(mouse.Memory().activeStage, 1);
}

TEST_F(SimulatedMouseTest, FramesWithAWrongChecksumAreRejected) {
    auto handle = mouse.OpenCommand(SimulatedMouse::kCommandPath);
    const std::vector<Byte> bad = {0, 0x01, 0x08, 0, 0, 0, 0, 0, 0x00};
    EXPECT_EQ(handle->SetFeature(bad).Error(), EPIPE);
    EXPECT_EQ(mouse.Memory().pollingDivisor, 2);
    EXPECT_EQ(mouse.Memory().rejectedFrames, 1);
}

TEST_F(SimulatedMouseTest, UnplugAndPlugInAgain) {
    int ready = 0;
    mouse.SetNoticeReady([&] { ++ready; });
    auto oldCommand = mouse.OpenCommand(SimulatedMouse::kCommandPath);

    mouse.Unplug();
    EXPECT_EQ(ready, 1);
    std::vector<DeviceNotice> notices = mouse.TakeNotices();
    ASSERT_EQ(notices.size(), 2U);
    for (const DeviceNotice& notice : notices) {
        EXPECT_EQ(notice.kind, DeviceNotice::Kind::Removal);
        EXPECT_NE(notice.name.find("VID_04D9&PID_A168"), std::string::npos);
    }
    EXPECT_TRUE(mouse.TakeNotices().empty());
    EXPECT_TRUE(mouse.Enumerate()->empty());
    EXPECT_EQ(oldCommand->SetFeature(BuildFeatureFrame({0x01, 0x08})).Error(), ENODEV);
    EXPECT_FALSE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    mouse.PressMacroKey(1);  // nobody hears it

    mouse.PlugIn();
    EXPECT_EQ(ready, 2);
    EXPECT_EQ(mouse.TakeNotices()[0].kind, DeviceNotice::Kind::Arrival);
    EXPECT_EQ(oldCommand->SetFeature(BuildFeatureFrame({0x01, 0x08})).Error(), ENODEV);
    ASSERT_TRUE(transport.FindDevice(kPrimaryVendorId, kPrimaryProductId));
    mouse.PressMacroKey(2);
    EXPECT_EQ(WaitForEvents(1), (Events{{9, 2}}));
}

// "fail N ERROR" counts the transfers that reach the mouse from the line on, of every kind: the
// Nth fails with that error, once.
TEST_F(SimulatedMouseTest, AFailLineFailsTheNthTransferOnce) {
    struct Case {
        std::vector<const char*> lines;
        int failing;  // 1..4 of the four transfers below; 0: none
        int error;
    };
    const Case cases[] = {
        {{"fail 1 EIO"}, 1, EIO},
        {{"fail 2 EPIPE"}, 2, EPIPE},
        {{" fail 3  ENODEV "}, 3, ENODEV},
        {{"fail 4 ETIMEDOUT"}, 4, ETIMEDOUT},
        {{"fail 2 EIO", "fail 0 EIO"}, 0, 0},  // a later line replaces the earlier one
    };
    auto handle = mouse.OpenCommand(SimulatedMouse::kCommandPath);
    const FeatureFrame frame = BuildFeatureFrame({kCmdPollingRate, 4});
    FeatureFrame reply{};
    const OutputReport output{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        for (const char* line : c.lines) {
            std::string text;
            ASSERT_TRUE(RunSimulatedMouseLine(mouse, line, text)) << text;
        }
        const std::vector<int> errors = {
            handle->SetFeature(frame).Error(), handle->GetFeature(reply).Error(),
            handle->Write(output).Error(), handle->SetFeature(frame).Error()};
        std::vector<int> expected(4, 0);
        if (c.failing != 0)
            expected[static_cast<std::size_t>(c.failing - 1)] = c.error;
        EXPECT_EQ(errors, expected);
        EXPECT_TRUE(handle->SetFeature(frame));
    }
}

TEST(SimulatedMouseLineTest, AFailLineNeedsACountAndAKnownError) {
    SimulatedMouse mouse;
    for (const char* line : {"fail", "fail 3", "fail x EIO", "fail -1 EIO", "fail 3 EFOO",
                             "fail 3 eio", "fail 2EIO"}) {
        std::string reply;
        EXPECT_FALSE(RunSimulatedMouseLine(mouse, line, reply)) << line;
        EXPECT_NE(reply.find("fail 17 EIO"), std::string::npos) << line << ": " << reply;
    }
}

}  // namespace
}  // namespace vorlak
