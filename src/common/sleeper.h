// SPDX-License-Identifier: GPL-3.0-or-later
// Pauses of the program's fixed sequences go through a Sleeper so that tests
// can record them instead of waiting.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace vorlak {

using Sleeper = std::function<void(std::chrono::milliseconds)>;

inline Sleeper RealSleeper() {
    return [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); };
}

}  // namespace vorlak
