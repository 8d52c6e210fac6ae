// SPDX-License-Identifier: GPL-3.0-or-later
// Timers by number, the way a window's timers work: started (or restarted) and stopped by id,
// each period ending in a call of the function given at the start. The program runs them on
// the toolkit's timers; tests run them on a clock they drive themselves.
#pragma once

#include <functional>
#include <memory>

namespace vorlak {

class UiTimers {
public:
    virtual ~UiTimers() = default;
    // Calls `fire` every `periodMs` milliseconds until timer `id` is stopped or started again.
    virtual void Start(int id, int periodMs, std::function<void()> fire) = 0;
    // Stopping a timer that does not run does nothing.
    virtual void Stop(int id) = 0;
};

// Timers on the toolkit's event loop of the calling thread.
std::unique_ptr<UiTimers> MakeToolkitTimers();

}  // namespace vorlak
