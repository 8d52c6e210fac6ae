// SPDX-License-Identifier: GPL-3.0-or-later
// A UiDispatcher for programs without a toolkit event loop (vorlakctl, tests): tasks are
// queued from any thread and run by whoever drives the queue.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "controller/ui_dispatcher.h"

namespace vorlak {

class TaskQueue : public UiDispatcher {
public:
    void Post(std::function<void()> task) override;

    // Called by every Post (on the posting thread, under the queue's lock: it must not
    // block or post), for example to wake a poll().
    void SetWakeup(std::function<void()> wakeup);

    // Runs the queued tasks, also those they queue, until none is left. Returns the count.
    int RunPending();
    // Runs tasks as they come until done() holds after a task, or until timeout passes.
    // Returns done().
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    std::function<void()> TakeOne();

    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> tasks_;
    std::function<void()> wakeup_;
};

}  // namespace vorlak
