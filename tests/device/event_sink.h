// SPDX-License-Identifier: GPL-3.0-or-later
// Collects the events a listener delivers; Wait blocks until n have arrived.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "device/hid_transport.h"

namespace vorlak {

class EventSink {
public:
    DeviceEventCallback Callback() {
        return [this](int code, int value) {
            {
                std::lock_guard lock(mutex_);
                events_.emplace_back(code, value);
            }
            changed_.notify_all();
        };
    }
    std::vector<std::pair<int, int>> Wait(std::size_t n) {
        std::unique_lock lock(mutex_);
        // A generous bound so that a broken listener fails the test instead of hanging it.
        changed_.wait_for(lock, std::chrono::seconds(30), [&] { return events_.size() >= n; });
        return events_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::pair<int, int>> events_;
};

}  // namespace vorlak
