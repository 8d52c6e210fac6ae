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

#include "device/command_receiver.h"
#include "device/hid_backend.h"
#include "device/hotplug_monitor.h"
#include "record/mouse_config.h"

namespace vorlak {

// What the mouse holds, as its protocol end read it from what it received; and the state of
// the simulation.
struct SimulatedMouseMemory : MouseMemory {
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
