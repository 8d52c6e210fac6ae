// SPDX-License-Identifier: GPL-3.0-or-later
// The link to the mouse's two HID collections: discovery, command frames, block
// transfers and the listener thread that hands event reports to a callback.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "common/sleeper.h"
#include "device/feature_frame.h"
#include "device/hid_backend.h"
#include "device/protocol.h"
#include "device/transfer_trace.h"
#include "record/mouse_config.h"

namespace vorlak {

// Called on the listener thread with the event code and value of each event report; it
// may block (events are then handled one at a time, in order). It must not wait for the
// thread that calls StopListener or destroys the transport.
using DeviceEventCallback = std::function<void(int code, int value)>;

class HidTransport {
public:
    HidTransport(HidBackend& backend, ConfigStore& store, Sleeper sleeper);
    // Stops the listener and closes both handles.
    ~HidTransport();
    HidTransport(const HidTransport&) = delete;
    HidTransport& operator=(const HidTransport&) = delete;

    // Discovery for one identity. True when the command collection was opened; the event
    // collection is opened too when it is listed before the command collection.
    bool FindDevice(std::uint16_t vendorId, std::uint16_t productId);

    // Each transfer fails with ENODEV while no command collection is open.
    TransferResult SendFeatureFrame(const CommandBytes& command);
    // Sends the command, reads the reply and puts reply bytes r0..r7 into command; on failure
    // command stays as it was.
    TransferResult ExchangeFeatureFrame(CommandBytes& command);
    // The header frame, then 32 bytes of data per output report, 100 ms after each. Stops at
    // the first transfer that fails, without its pause.
    TransferResult SendBlock(const CommandBytes& header, std::span<const Byte> data);
    // A pause of the command sequences, through the sleeper (and the trace).
    void Pause(std::chrono::milliseconds duration);

    // Starts the listener on the open event collection (and on every event collection a
    // later discovery opens). Calling it again while started only wakes a waiting listener.
    void StartListener(DeviceEventCallback callback);
    // Wakes and joins the listener; the handles stay open.
    void StopListener();
    // Stops the listener and closes both handles (shutdown).
    void CloseHandles();

    void SetTrace(TransferTrace trace) { trace_ = std::move(trace); }

    const std::string& DevicePath() const { return devicePath_; }
    // The arrival key of the mouse whose command collection is open (HidBackend::ArrivalKey).
    const std::string& ArrivalKey() const { return arrivalKey_; }
    bool CommandOpen() const { return commandHandle_ != nullptr; }
    bool EventOpen() const { return eventHandle_ != nullptr; }
    std::uint16_t FeatureReportLength() const { return featureReportLength_; }
    std::uint16_t CommandInputLength() const { return commandInputLength_; }
    std::uint16_t EventReportLength() const { return eventReportLength_; }

private:
    struct Listener;

    bool OpenEvent(const HidInterfaceInfo& info);
    bool OpenCommand(const HidInterfaceInfo& info);
    void Record(Transfer::Kind kind, std::span<const Byte> bytes, const TransferResult& result);
    void LaunchListener();
    void RetireListener();
    void JoinRetired(bool finishedOnly);
    void SignalListener();
    void RunListener(Listener& listener);
    void WaitUntilConnected(Listener& listener);

    HidBackend& backend_;
    ConfigStore& store_;
    Sleeper sleeper_;
    TransferTrace trace_;

    std::string devicePath_;
    std::string arrivalKey_;
    std::unique_ptr<HidHandle> commandHandle_;
    // Shared with the listener reading it, so that it is closed only after its last read.
    std::shared_ptr<HidHandle> eventHandle_;
    std::uint16_t featureReportLength_ = 0;
    std::uint16_t commandInputLength_ = 0;
    std::uint16_t eventReportLength_ = 0;

    DeviceEventCallback callback_;
    std::unique_ptr<Listener> listener_;
    std::vector<std::unique_ptr<Listener>> retired_;
    // Plays the wake-up event: a listener waits here while the mouse is not connected.
    std::mutex wakeMutex_;
    std::condition_variable wake_;
};

}  // namespace vorlak
