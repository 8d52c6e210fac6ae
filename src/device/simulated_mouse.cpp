// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/simulated_mouse.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <utility>

#include "device/feature_frame.h"
#include "device/protocol.h"

namespace vorlak {
namespace {

// The notice name of a simulated collection, shaped like the real ones.
std::string NoticeName(std::string_view collection) {
    return R"(\\?\HID#)" + std::string(kPrimaryNoticeName) + "&MI_01#simulated-" +
           std::string(collection);
}

// What a new mouse holds.
SimulatedMouseMemory FactorySettings() {
    SimulatedMouseMemory m;
    m.pollingDivisor = 2;
    m.sensitivityX = 100;
    m.sensitivityY = 100;
    m.dpiLevels = {0x04, 0x09, 0x13, 0x1D, 0x27, 0x5D, 0, 0};
    m.dpiColors = {0xFF, 0,    0,    0,    0, 0xFF, 0,    0xFF, 0,    0xFF, 0xFF, 0,
                   0,    0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0,    0xFF, 0,    0,    0};
    m.lighting = {1, 2, 2};
    m.options = {0x5A, 0x01, 0x02, 0x03};
    return m;
}

std::string Hex(std::span<const Byte> bytes) {
    std::string text;
    for (Byte b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%s%02X", text.empty() ? "" : " ", b);
        text += cell;
    }
    return text;
}

}  // namespace

struct SimulatedMouse::State {
    mutable std::mutex mutex;
    std::condition_variable changed;
    bool plugged = true;
    int generation = 0;    // counts unplugs; a handle of an older generation is dead
    std::string identity;  // this mouse among all simulated ones, of every process
    SimulatedMouseMemory memory = FactorySettings();
    CommandReceiver receiver{memory,
                             {SimulatedMouse::kFirmwareMajor, SimulatedMouse::kFirmwareMinor}};
    FeatureFrame reply{};
    std::deque<std::vector<Byte>> events;
    int eventsSent = 0;
    std::vector<DeviceNotice> notices;
    std::function<void()> noticeReady;

    // A planned failure: the transfer that brings transfersToFailure to 0 fails with failError.
    int transfersToFailure = 0;
    int failError = 0;

    bool Alive(int handleGeneration) const { return plugged && handleGeneration == generation; }
    // Counts a transfer on the command collection; its failure when the handle is dead (the
    // mouse was unplugged since it was opened) or when it is the planned failure.
    TransferResult Admit(int handleGeneration);
};

TransferResult SimulatedMouse::State::Admit(int handleGeneration) {
    if (!Alive(handleGeneration))
        return TransferResult::Failed(ENODEV);
    if (transfersToFailure > 0 && --transfersToFailure == 0)
        return TransferResult::Failed(failError);
    return TransferResult::Done();
}

class SimulatedMouse::CommandHandle : public HidHandle {
public:
    CommandHandle(std::shared_ptr<State> state, int generation)
        : state_(std::move(state)), generation_(generation) {}

    TransferResult SetFeature(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        if (TransferResult refused = state_->Admit(generation_); !refused)
            return refused;
        const std::optional<CommandBytes> command = ReadFeatureFrame(report);
        if (!command) {
            ++state_->memory.rejectedFrames;
            return TransferResult::Failed(EPIPE);  // a device stalls a report it refuses
        }
        if (const std::optional<CommandBytes> reply = state_->receiver.TakeCommand(*command))
            state_->reply = BuildFeatureFrame(*reply);
        return TransferResult::Done();
    }
    TransferResult GetFeature(std::span<std::uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        if (TransferResult refused = state_->Admit(generation_); !refused)
            return refused;
        if (report.size() != kFeatureFrameSize)
            return TransferResult::Failed(EINVAL);
        std::copy(state_->reply.begin(), state_->reply.end(), report.begin());
        return TransferResult::Done();
    }
    TransferResult Write(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        if (TransferResult refused = state_->Admit(generation_); !refused)
            return refused;
        const std::optional<std::span<const Byte>> data = ReadOutputReport(report);
        if (!data)
            return TransferResult::Failed(EINVAL);
        state_->receiver.TakeData(*data);
        return TransferResult::Done();
    }
    int Read(std::span<std::uint8_t>) override { return -1; }
    void Wake() override {}

private:
    std::shared_ptr<State> state_;
    int generation_;
};

class SimulatedMouse::EventHandle : public HidHandle {
public:
    EventHandle(std::shared_ptr<State> state, int generation)
        : state_(std::move(state)), generation_(generation) {}

    TransferResult SetFeature(std::span<const std::uint8_t>) override {
        return TransferResult::Failed(EINVAL);
    }
    TransferResult GetFeature(std::span<std::uint8_t>) override {
        return TransferResult::Failed(EINVAL);
    }
    TransferResult Write(std::span<const std::uint8_t>) override {
        return TransferResult::Failed(EINVAL);
    }
    int Read(std::span<std::uint8_t> buffer) override {
        std::unique_lock lock(state_->mutex);
        state_->changed.wait(
            lock, [&] { return woken_ || !state_->Alive(generation_) || !state_->events.empty(); });
        if (!state_->Alive(generation_))
            return -1;
        if (woken_) {
            woken_ = false;
            return 0;
        }
        std::vector<Byte> report = std::move(state_->events.front());
        state_->events.pop_front();
        std::size_t count = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), count, buffer.begin());
        return static_cast<int>(count);
    }
    void Wake() override {
        {
            std::lock_guard lock(state_->mutex);
            woken_ = true;
        }
        state_->changed.notify_all();
    }

private:
    std::shared_ptr<State> state_;
    int generation_;
    bool woken_ = false;  // guarded by the state's mutex
};

SimulatedMouse::SimulatedMouse() : state_(std::make_shared<State>()) {
    // The time it was made and a random number: no other simulated mouse, of this run or another,
    // shares them.
    state_->identity = std::to_string(std::chrono::system_clock::now().time_since_epoch().count()) +
                       "-" + std::to_string(std::random_device()());
}

SimulatedMouse::~SimulatedMouse() = default;

std::optional<std::vector<HidInterfaceInfo>> SimulatedMouse::Enumerate() {
    if (!Plugged())
        return std::vector<HidInterfaceInfo>{};
    HidIdentity identity{kPrimaryVendorId, kPrimaryProductId, kDeviceVersion};
    HidInterfaceInfo event{
        kEventPath, identity, {kEventUsage, kEventUsage, kEventReportLength, 0, 0}};
    HidInterfaceInfo command{
        kCommandPath,
        identity,
        {kCommandUsage, kCommandUsage, 0, kOutputReportSize, kFeatureFrameSize}};
    return std::vector<HidInterfaceInfo>{event, command};
}

std::unique_ptr<HidHandle> SimulatedMouse::OpenCommand(const std::string& path) {
    std::lock_guard lock(state_->mutex);
    if (!state_->plugged || path != kCommandPath)
        return nullptr;
    return std::make_unique<CommandHandle>(state_, state_->generation);
}

std::unique_ptr<HidHandle> SimulatedMouse::OpenEvent(const std::string& path) {
    std::lock_guard lock(state_->mutex);
    if (!state_->plugged || path != kEventPath)
        return nullptr;
    return std::make_unique<EventHandle>(state_, state_->generation);
}

std::string SimulatedMouse::ArrivalKey(const std::string& path) {
    std::lock_guard lock(state_->mutex);
    if (!state_->plugged || (path != kCommandPath && path != kEventPath))
        return {};
    return "simulated-" + state_->identity + "-plug-" + std::to_string(state_->generation);
}

std::vector<DeviceNotice> SimulatedMouse::TakeNotices() {
    std::lock_guard lock(state_->mutex);
    return std::exchange(state_->notices, {});
}

void SimulatedMouse::SetNoticeReady(std::function<void()> ready) {
    std::lock_guard lock(state_->mutex);
    state_->noticeReady = std::move(ready);
}

void SimulatedMouse::QueueNotices(DeviceNotice::Kind kind) {
    std::function<void()> ready;
    {
        std::lock_guard lock(state_->mutex);
        for (std::string_view collection : {"event", "command"})
            state_->notices.push_back({kind, NoticeName(collection)});
        ready = state_->noticeReady;
    }
    if (ready)
        ready();
}

void SimulatedMouse::Unplug() {
    {
        std::lock_guard lock(state_->mutex);
        if (!state_->plugged)
            return;
        state_->plugged = false;
        ++state_->generation;
        state_->events.clear();
        state_->receiver.Reset();
    }
    state_->changed.notify_all();
    QueueNotices(DeviceNotice::Kind::Removal);
}

void SimulatedMouse::PlugIn() {
    {
        std::lock_guard lock(state_->mutex);
        if (state_->plugged)
            return;
        state_->plugged = true;
    }
    QueueNotices(DeviceNotice::Kind::Arrival);
}

bool SimulatedMouse::Plugged() const {
    std::lock_guard lock(state_->mutex);
    return state_->plugged;
}

void SimulatedMouse::PressDpiButton() {
    int stage = 0;
    {
        std::lock_guard lock(state_->mutex);
        SimulatedMouseMemory& m = state_->memory;
        for (int step = 1; step <= 6; ++step) {
            int candidate = (m.activeStage - 1 + step) % 6 + 1;
            if (DpiLevelEnabled(m.dpiLevels[static_cast<std::size_t>(candidate - 1)])) {
                m.activeStage = candidate;
                break;
            }
        }
        stage = m.activeStage;
    }
    SendEventReport(
        {kEventReportId, kEventMarker, kEventDpiStage, static_cast<Byte>(stage), 0, 0, 0, 0});
}

void SimulatedMouse::PressMacroKey(int n) {
    SendEventReport(
        {kEventReportId, kEventMarker, kEventMacroKey, static_cast<Byte>(n), 0, 0, 0, 0});
}

void SimulatedMouse::SendEventReport(std::vector<Byte> report) {
    {
        std::lock_guard lock(state_->mutex);
        if (!state_->plugged)
            return;
        state_->events.push_back(std::move(report));
        ++state_->eventsSent;
    }
    state_->changed.notify_all();
}

void SimulatedMouse::FailTransfer(int nth, int error) {
    std::lock_guard lock(state_->mutex);
    state_->transfersToFailure = nth;
    state_->failError = error;
}

int SimulatedMouse::EventReportsSent() const {
    std::lock_guard lock(state_->mutex);
    return state_->eventsSent;
}

SimulatedMouseMemory SimulatedMouse::Memory() const {
    std::lock_guard lock(state_->mutex);
    return state_->memory;
}

std::string SimulatedMouse::Describe() const {
    SimulatedMouseMemory m = Memory();
    std::string text = "polling divisor: " + std::to_string(m.pollingDivisor) + "\n";
    text += "sensitivity: " + std::to_string(m.sensitivityX) + " " +
            std::to_string(m.sensitivityY) + "\n";
    text += "DPI levels: " + Hex(m.dpiLevels) + "\n";
    text += "DPI colours: " + Hex(m.dpiColors) + "\n";
    text += "active stage: " + std::to_string(m.activeStage) + "\n";
    text += "key matrix 0: " + Hex(m.keyMatrixBase) + "\n";
    text += "key matrix 3: " + Hex(m.keyMatrixShift) + "\n";
    for (int n = 1; n <= kMacroSlots; ++n)
        text += "macro " + std::to_string(n) + ": " + Hex(m.macros[n - 1U]) + "\n";
    text += "lighting: " + Hex(m.lighting) + "\n";
    text += "options: " + Hex(m.options) + "\n";
    return text;
}

}  // namespace vorlak
