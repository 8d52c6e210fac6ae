// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted HID backend for the transport tests: a fixed interface list, handles that
// record what they are given and an event handle fed report by report.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace vorlak {

// What a handle saw, kept beyond the handle's life.
struct FakeHandleLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::vector<std::uint8_t>> features;
    std::vector<std::vector<std::uint8_t>> outputs;
    std::deque<std::vector<std::uint8_t>> reports;  // waiting input reports
    bool dead = false;
    int writeError = 0;       // output reports fail with it once this is set
    int getFeatureError = 0;  // feature reads fail with it once this is set
    bool woken = false;
    bool closed = false;
    int readsAfterDead = 0;
    std::size_t largestRead = 0;

    void Push(std::vector<std::uint8_t> report) {
        {
            std::lock_guard lock(mutex);
            reports.push_back(std::move(report));
        }
        changed.notify_all();
    }
    void Kill() {
        {
            std::lock_guard lock(mutex);
            dead = true;
        }
        changed.notify_all();
    }
};

class FakeHandle : public HidHandle {
public:
    explicit FakeHandle(std::shared_ptr<FakeHandleLog> log) : log_(std::move(log)) {}
    ~FakeHandle() override {
        std::lock_guard lock(log_->mutex);
        log_->closed = true;
    }
    TransferResult SetFeature(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(log_->mutex);
        log_->features.emplace_back(report.begin(), report.end());
        return log_->dead ? TransferResult::Failed(ENODEV) : TransferResult::Done();
    }
    TransferResult GetFeature(std::span<std::uint8_t> report) override {
        std::fill(report.begin(), report.end(), std::uint8_t{0xEE});
        std::lock_guard lock(log_->mutex);
        return log_->getFeatureError != 0 ? TransferResult::Failed(log_->getFeatureError)
                                          : TransferResult::Done();
    }
    TransferResult Write(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(log_->mutex);
        log_->outputs.emplace_back(report.begin(), report.end());
        if (log_->dead)
            return TransferResult::Failed(ENODEV);
        return log_->writeError != 0 ? TransferResult::Failed(log_->writeError)
                                     : TransferResult::Done();
    }
    int Read(std::span<std::uint8_t> buffer) override {
        std::unique_lock lock(log_->mutex);
        log_->largestRead = std::max(log_->largestRead, buffer.size());
        log_->changed.wait(lock,
                           [&] { return log_->dead || log_->woken || !log_->reports.empty(); });
        if (log_->dead) {
            ++log_->readsAfterDead;
            log_->changed.notify_all();
            return -1;
        }
        if (log_->woken) {
            log_->woken = false;
            return 0;
        }
        std::vector<std::uint8_t> report = std::move(log_->reports.front());
        log_->reports.pop_front();
        std::size_t count = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), count, buffer.begin());
        return static_cast<int>(count);
    }
    void Wake() override {
        {
            std::lock_guard lock(log_->mutex);
            log_->woken = true;
        }
        log_->changed.notify_all();
    }

private:
    std::shared_ptr<FakeHandleLog> log_;
};

class FakeBackend : public HidBackend {
public:
    std::optional<std::vector<HidInterfaceInfo>> Enumerate() override { return interfaces; }
    std::unique_ptr<HidHandle> OpenCommand(const std::string& path) override {
        return Open(path, commandOpens);
    }
    std::unique_ptr<HidHandle> OpenEvent(const std::string& path) override {
        return Open(path, eventOpens);
    }

    std::optional<std::vector<HidInterfaceInfo>> interfaces = std::vector<HidInterfaceInfo>{};
    std::vector<std::string> commandOpens;
    std::vector<std::string> eventOpens;
    std::vector<std::string> failingPaths;
    // One log per opened handle, in opening order.
    std::vector<std::shared_ptr<FakeHandleLog>> logs;

private:
    std::unique_ptr<HidHandle> Open(const std::string& path, std::vector<std::string>& opens) {
        opens.push_back(path);
        if (std::find(failingPaths.begin(), failingPaths.end(), path) != failingPaths.end())
            return nullptr;
        logs.push_back(std::make_shared<FakeHandleLog>());
        return std::make_unique<FakeHandle>(logs.back());
    }
};

inline HidInterfaceInfo CommandInterface(std::string path, std::uint16_t vid = 0x04D9,
                                         std::uint16_t pid = 0xA168,
                                         std::uint16_t featureLength = 9) {
    return {std::move(path), {vid, pid, 0x0100}, {0xFF00, 0xFF00, 0, 33, featureLength}};
}

inline HidInterfaceInfo EventInterface(std::string path, std::uint16_t inputLength = 8) {
    return {std::move(path), {0x04D9, 0xA168, 0x0100}, {0xFF01, 0xFF01, inputLength, 0, 0}};
}

}  // namespace vorlak
