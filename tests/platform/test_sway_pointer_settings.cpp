// SPDX-License-Identifier: GPL-3.0-or-later
// sway against a fake IPC socket that answers as sway does: its inputs (the Vorlak mouse,
// the Vorlak's keyboard interface and another mouse) and the result of each command.
#include "platform/linux/sway_pointer_settings.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include "device/protocol.h"
#include "test_folder.h"

namespace vorlak {
namespace {

const std::vector<HidIdentity> kMouse{{kPrimaryVendorId, kPrimaryProductId, 0},
                                      {kSecondaryVendorId, kSecondaryProductId, 0}};

constexpr const char* kInputs = R"([
  {"identifier": "1133:49291:Logitech_G502", "name": "Logitech G502", "vendor": 1133,
   "product": 49291, "type": "pointer"},
  {"identifier": "1241:41320:USB_Gaming_Mouse", "name": "USB Gaming Mouse", "vendor": 1241,
   "product": 41320, "type": "pointer", "libinput": {"accel_speed": 0.0}},
  {"identifier": "1241:41320:USB_Gaming_Mouse_Keyboard", "name": "USB Gaming Mouse Keyboard",
   "vendor": 1241, "product": 41320, "type": "keyboard"}
])";

// Serves one request per connection until stopped; records the commands it ran.
class FakeSway {
public:
    FakeSway(std::filesystem::path path, std::string inputs, std::string commandReply)
        : path_(std::move(path)), inputs_(std::move(inputs)), reply_(std::move(commandReply)) {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        listen(listener_, 4);
        thread_ = std::thread([this] { Serve(); });
    }
    // A last connection wakes the server to see that it is to stop.
    ~FakeSway() {
        stop_ = true;
        const int waker = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        connect(waker, reinterpret_cast<sockaddr*>(&address), sizeof address);
        thread_.join();
        close(waker);
        close(listener_);
        std::filesystem::remove(path_);
    }
    std::vector<std::string> Commands() {
        std::lock_guard lock(mutex_);
        return commands_;
    }

private:
    void Serve() {
        for (;;) {
            const int client = accept(listener_, nullptr, nullptr);
            if (client < 0 || stop_) {
                if (client >= 0)
                    close(client);
                return;
            }
            char header[14];
            if (recv(client, header, sizeof header, MSG_WAITALL) == sizeof header) {
                std::uint32_t length = 0;
                std::uint32_t type = 0;
                std::memcpy(&length, header + 6, 4);
                std::memcpy(&type, header + 10, 4);
                std::string payload(length, '\0');
                if (length > 0)
                    recv(client, payload.data(), length, MSG_WAITALL);
                std::string answer = inputs_;
                if (type == kSwayRunCommand) {
                    std::lock_guard lock(mutex_);
                    commands_.push_back(payload);
                    answer = reply_;
                }
                const auto size = static_cast<std::uint32_t>(answer.size());
                std::memcpy(header + 6, &size, 4);
                send(client, header, sizeof header, MSG_NOSIGNAL);
                send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
            }
            close(client);
        }
    }

    std::filesystem::path path_;
    std::string inputs_;
    std::string reply_;
    int listener_ = -1;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> commands_;
};

MouseConfig Record(Byte precision, Byte speedStep) {
    MouseConfig record;
    ResetToDefaults(record);
    record.pointerPrecision = precision;
    record.pointerSpeed = speedStep;
    return record;
}

TEST(SwayPointerSettingsTest, OnlyTheMousesPointerTakesTheDialsSpeedAndProfile) {
    TestFolder folder;
    const auto path = folder.Root() / "sway-ipc.sock";
    const struct {
        MouseConfig record;
        std::vector<std::string> commands;
    } cases[] = {
        {Record(1, 8),
         {"input \"1241:41320:USB_Gaming_Mouse\" accel_profile adaptive;",
          "input \"1241:41320:USB_Gaming_Mouse\" pointer_accel 0.400;"}},
        {Record(255, 1),
         {"input \"1241:41320:USB_Gaming_Mouse\" accel_profile flat;",
          "input \"1241:41320:USB_Gaming_Mouse\" pointer_accel -1.000;"}},
    };
    for (const auto& c : cases) {
        FakeSway sway(path, kInputs, R"([{"success": true}])");
        SwayPointerSettings settings(kMouse, path);
        const PointerReport report = ApplyPointerSettings(c.record, settings);
        EXPECT_EQ(report.desktop, "sway");
        EXPECT_EQ(report.TakenCount(), 2);
        EXPECT_EQ(report[PointerSetting::WheelLines].refusal, PointerRefusal::NoSuchSetting);
        EXPECT_EQ(report[PointerSetting::DoubleClick].refusal, PointerRefusal::NoSuchSetting);
        EXPECT_EQ(sway.Commands(), c.commands);
    }
}

TEST(SwayPointerSettingsTest, RefusalsAreToldWithSwaysReason) {
    TestFolder folder;
    const auto path = folder.Root() / "sway-ipc.sock";
    {
        FakeSway sway(path, kInputs, R"([{"success": false, "error": "Unknown input config"}])");
        SwayPointerSettings settings(kMouse, path);
        const PointerResult result = settings.SetMouseSpeed(10);
        EXPECT_EQ(result.refusal, PointerRefusal::Refused);
        EXPECT_EQ(result.detail, "Unknown input config");
    }
    {
        FakeSway sway(path, R"([{"identifier": "1:2:Other", "vendor": 1, "product": 2,
                               "type": "pointer"}])",
                      "[]");
        SwayPointerSettings settings(kMouse, path);
        EXPECT_EQ(settings.SetMouseSpeed(10).refusal, PointerRefusal::DeviceNotFound);
        EXPECT_TRUE(sway.Commands().empty());
    }
    // Nothing listens.
    SwayPointerSettings settings(kMouse, path);
    const PointerResult result = settings.SetMouseSpeed(10);
    EXPECT_EQ(result.refusal, PointerRefusal::Refused);
    EXPECT_NE(result.detail.find(path.string()), std::string::npos) << result.detail;
}

}  // namespace
}  // namespace vorlak
