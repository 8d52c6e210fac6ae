// SPDX-License-Identifier: GPL-3.0-or-later
// A mouse in software that behaves like the hardware on the wire: one device with a
// command and an event collection, that answers the read commands, keeps what is written
// to it, sends event reports on request and can be unplugged and plugged in again.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/hid_backend.h"
#include "device/hotplug_monitor.h"
#include "record/mouse_config.h"

namespace vorlak {

// What the mouse holds, as parsed from the frames and output reports it received.
struct SimulatedMouseMemory {
    Byte pollingDivisor = 2;
    Byte sensitivityX = 100;
    Byte sensitivityY = 100;
    std::array<Byte, 8> dpiLevels{0x04, 0x09, 0x13, 0x1D, 0x27, 0x5D, 0, 0};
    std::array<Byte, 24> dpiColors{};
    std::array<Byte, 64> keyMatrixBase{};   // matrix number 0
    std::array<Byte, 64> keyMatrixShift{};  // matrix number 3
    std::array<std::array<Byte, kMacroBlockSize>, kMacroSlots> macros{};
    std::array<Byte, 3> lighting{1, 2, 2};  // effect, value, third byte
    std::array<Byte, 4> options{0x5A, 0x01, 0x02, 0x03};
    int activeStage = 1;     // 1..6
    int rejectedFrames = 0;  // frames with a wrong length or checksum
};

class SimulatedMouse : public HidBackend, public HotplugMonitor {
public:
    static constexpr Byte kFirmwareMajor = 0x01;
    static constexpr Byte kFirmwareMinor = 0x07;
    static constexpr const char* kEventPath = "simulated:vorlak/event";
    static constexpr const char* kCommandPath = "simulated:vorlak/command";

    SimulatedMouse();
    ~SimulatedMouse() override;

    // HidBackend: the two collections while plugged in (event collection first).
    std::optional<std::vector<HidInterfaceInfo>> Enumerate() override;
    std::unique_ptr<HidHandle> OpenCommand(const std::string& path) override;
    std::unique_ptr<HidHandle> OpenEvent(const std::string& path) override;
    // Unique to this mouse in this process and to its current plug: every PlugIn after an
    // Unplug gives another.
    std::string ArrivalKey(const std::string& path) override;

    // HotplugMonitor: no descriptor; use SetNoticeReady to learn of waiting notices.
    int NotifyDescriptor() const override { return -1; }
    std::vector<DeviceNotice> TakeNotices() override;
    // Called (on the thread that plugs or unplugs) whenever notices were queued.
    void SetNoticeReady(std::function<void()> ready);

    // Unplugging kills every open handle (transfers fail with ENODEV, reads return -1); handles
    // opened before stay dead after plugging in again.
    void Unplug();
    void PlugIn();
    bool Plugged() const;

    // The DPI button: the next enabled stage among 1..6, reported as 06 07 01 <stage>.
    void PressDpiButton();
    // A macro key: 06 07 09 <n>.
    void PressMacroKey(int n);
    // Any input report on the event collection (report id in byte 0).
    void SendEventReport(std::vector<Byte> report);
    // Makes the nth transfer on the command collection from now on (1: the next one) fail
    // with the error number given, once. Every feature report sent or read and every output
    // report that reaches the plugged-in mouse counts; input reports do not. A later call replaces
    // it; nth 0 cancels it.
    void FailTransfer(int nth, int error);
    // How many input reports were sent so far (while plugged in), so that a driver can wait
    // for their notices before it goes on.
    int EventReportsSent() const;

    SimulatedMouseMemory Memory() const;
    // A readable account of the memory, one setting per line.
    std::string Describe() const;

private:
    struct State;
    class CommandHandle;
    class EventHandle;
    void QueueNotices(DeviceNotice::Kind kind);

    std::shared_ptr<State> state_;
};

}  // namespace vorlak
