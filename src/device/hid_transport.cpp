// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid_transport.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <thread>

#include "common/diagnostics.h"

namespace vorlak {
namespace {

bool IsEventCollection(const HidCaps& caps) {
    return caps.usage == kEventUsage && caps.usagePage == kEventUsage &&
           caps.inputReportLength != 0;
}

bool IsCommandCollection(const HidCaps& caps) {
    return caps.usage == kCommandUsage && caps.usagePage == kCommandUsage &&
           caps.featureReportLength == kFeatureFrameSize;
}

}  // namespace

struct HidTransport::Listener {
    std::shared_ptr<HidHandle> handle;
    std::size_t readLength = 0;
    DeviceEventCallback callback;
    std::atomic<bool> stop = false;
    std::atomic<bool> finished = false;
    std::thread thread;
};

HidTransport::HidTransport(HidBackend& backend, ConfigStore& store, Sleeper sleeper)
    : backend_(backend), store_(store), sleeper_(std::move(sleeper)) {}

HidTransport::~HidTransport() {
    CloseHandles();
}

bool HidTransport::FindDevice(std::uint16_t vendorId, std::uint16_t productId) {
    std::optional<std::vector<HidInterfaceInfo>> list = backend_.Enumerate();
    if (!list)
        return false;
    for (const HidInterfaceInfo& info : *list) {
        devicePath_ = info.path;
        if (!info.probeOk)
            return false;
        const HidIdentity& id = info.identity;
        Diagnostic("PID:%04x,VID:%04x,VersionNumber:%04x\n", id.productId, id.vendorId, id.version);
        if (id.vendorId != vendorId || id.productId != productId)
            continue;
        Diagnostic("Find our hid device.Success\n");
        if (!info.preparsedOk) {
            Diagnostic("HidD_GetPreparsedData failed.\n");
            return false;
        }
        if (!info.capsOk) {
            Diagnostic("HidP_GetCaps failed.");
            return false;
        }
        const HidCaps& caps = info.caps;
        Diagnostic(
            "DevicePath:%s,Usage:0x%04x,UsagePage:0x%04x,FeatureReportByteLength:0x%04x,"
            "InputReportByteLength:0x%x,OutputReportByteLength:0x%x\n",
            info.path.c_str(), caps.usage, caps.usagePage, caps.featureReportLength,
            caps.inputReportLength, caps.outputReportLength);
        if (IsEventCollection(caps)) {
            if (!OpenEvent(info))
                return false;
        } else if (IsCommandCollection(caps)) {
            return OpenCommand(info);
        }
    }
    Diagnostic("SetupDiEnumDeviceInterfaces failed.\n");
    return false;
}

bool HidTransport::OpenEvent(const HidInterfaceInfo& info) {
    RetireListener();
    eventHandle_.reset();
    eventHandle_ = backend_.OpenEvent(info.path);
    if (!eventHandle_)
        return false;
    eventReportLength_ = info.caps.inputReportLength;
    if (callback_)
        LaunchListener();
    return true;
}

bool HidTransport::OpenCommand(const HidInterfaceInfo& info) {
    commandHandle_.reset();
    arrivalKey_.clear();
    commandHandle_ = backend_.OpenCommand(info.path);
    if (!commandHandle_)
        return false;
    arrivalKey_ = backend_.ArrivalKey(info.path);
    commandInputLength_ = info.caps.inputReportLength;
    featureReportLength_ = info.caps.featureReportLength;
    store_.deviceConnected = 1;
    SignalListener();
    return true;
}

void HidTransport::Record(Transfer::Kind kind, std::span<const Byte> bytes,
                          const TransferResult& result) {
    if (!result) {
        const std::string_view name = TransferErrorName(result.Error());
        Diagnostic("HID transfer failed: %s (%d)\n", std::string(name).c_str(), result.Error());
    }
    if (trace_)
        trace_(Transfer{kind, {bytes.begin(), bytes.end()}, {}, result.Error()});
}

TransferResult HidTransport::SendFeatureFrame(const CommandBytes& command) {
    const FeatureFrame frame = BuildFeatureFrame(command);
    const TransferResult sent =
        commandHandle_ ? commandHandle_->SetFeature(frame) : TransferResult::Failed(ENODEV);
    Record(Transfer::Kind::SetFeature, frame, sent);
    return sent;
}

TransferResult HidTransport::ExchangeFeatureFrame(CommandBytes& command) {
    if (TransferResult sent = SendFeatureFrame(command); !sent)
        return sent;
    FeatureFrame reply{};
    const TransferResult read =
        commandHandle_ ? commandHandle_->GetFeature(reply) : TransferResult::Failed(ENODEV);
    Record(Transfer::Kind::GetFeature, reply, read);
    if (!read)
        return read;
    std::copy(reply.begin() + 1, reply.end(), command.begin());
    Diagnostic("Buffer[1]:%02x,Buffer[2]:%02x.", command[0], command[1]);
    return read;
}

TransferResult HidTransport::SendBlock(const CommandBytes& header, std::span<const Byte> data) {
    if (TransferResult sent = SendFeatureFrame(header); !sent)
        return sent;
    for (std::size_t chunk = 0; chunk < ChunkCount(data.size()); ++chunk) {
        const OutputReport report = BuildOutputReport(data, chunk);
        const TransferResult written =
            commandHandle_ ? commandHandle_->Write(report) : TransferResult::Failed(ENODEV);
        Record(Transfer::Kind::Output, report, written);
        if (!written)
            return written;
        Pause(kChunkPause);
    }
    return TransferResult::Done();
}

void HidTransport::Pause(std::chrono::milliseconds duration) {
    if (trace_)
        trace_(Transfer{Transfer::Kind::Pause, {}, duration});
    if (sleeper_)
        sleeper_(duration);
}

void HidTransport::StartListener(DeviceEventCallback callback) {
    if (!callback_) {
        callback_ = std::move(callback);
        if (eventHandle_ && !listener_)
            LaunchListener();
    }
    SignalListener();
}

void HidTransport::StopListener() {
    RetireListener();
    JoinRetired(false);
    callback_ = nullptr;
}

void HidTransport::CloseHandles() {
    StopListener();
    eventHandle_.reset();
    commandHandle_.reset();
}

void HidTransport::LaunchListener() {
    JoinRetired(true);
    listener_ = std::make_unique<Listener>();
    listener_->handle = eventHandle_;
    listener_->readLength = std::min<std::size_t>(eventReportLength_, kEventBufferSize);
    listener_->callback = callback_;
    listener_->thread = std::thread([this, l = listener_.get()] { RunListener(*l); });
}

// Asks the listener to end without waiting for it: it may be inside the callback, which
// can wait for the calling thread. Its handle is released when it is joined.
void HidTransport::RetireListener() {
    if (!listener_)
        return;
    listener_->stop = true;
    listener_->handle->Wake();
    SignalListener();
    retired_.push_back(std::move(listener_));
}

void HidTransport::JoinRetired(bool finishedOnly) {
    std::erase_if(retired_, [finishedOnly](const std::unique_ptr<Listener>& l) {
        if (finishedOnly && !l->finished)
            return false;
        l->thread.join();
        return true;
    });
}

void HidTransport::SignalListener() {
    { std::lock_guard lock(wakeMutex_); }
    wake_.notify_all();
}

void HidTransport::WaitUntilConnected(Listener& listener) {
    std::unique_lock lock(wakeMutex_);
    wake_.wait(lock, [&] { return listener.stop || store_.deviceConnected == 1; });
}

void HidTransport::RunListener(Listener& listener) {
    std::array<Byte, kEventBufferSize> buffer{};
    std::span<Byte> readSpan(buffer.data(), listener.readLength);
    while (!listener.stop) {
        if (store_.deviceConnected != 1) {
            WaitUntilConnected(listener);
            continue;
        }
        int count = listener.handle->Read(readSpan);
        if (count < 0)
            break;  // the collection is gone: never read it again
        if (listener.stop || count == 0 || store_.deviceConnected != 1)
            continue;
        if (count >= kEventHeaderSize && buffer[0] == kEventReportId && buffer[1] == kEventMarker)
            listener.callback(buffer[2], buffer[3]);
    }
    listener.finished = true;
}

}  // namespace vorlak
