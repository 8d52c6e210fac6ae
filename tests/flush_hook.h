// SPDX-License-Identifier: GPL-3.0-or-later
// A flushing to the disk that runs an action first: the moment after a file is staged and
// before anything is renamed, where a test puts an obstacle in the way of a later step.
#pragma once

#include <filesystem>
#include <functional>
#include <utility>

#include "common/durable_sync.h"

namespace vorlak {

class FlushHook : public DurableSync {
public:
    explicit FlushHook(std::function<void(const std::filesystem::path&)> action)
        : action_(std::move(action)), previous_(InstallDurableSync(this)) {}
    ~FlushHook() override { InstallDurableSync(previous_); }
    FlushHook(const FlushHook&) = delete;
    FlushHook& operator=(const FlushHook&) = delete;

    std::error_code Sync(const std::filesystem::path& path) const override {
        action_(path);
        return {};
    }

private:
    std::function<void(const std::filesystem::path&)> action_;
    const DurableSync* previous_;
};

}  // namespace vorlak
