// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/task_queue.h"

namespace vorlak {

// The wakeup runs under the lock, so that SetWakeup(nullptr) returning means no call of
// the old one is still under way.
void TaskQueue::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        if (wakeup_)
            wakeup_();
    }
    queued_.notify_all();
}

void TaskQueue::SetWakeup(std::function<void()> wakeup) {
    std::lock_guard lock(mutex_);
    wakeup_ = std::move(wakeup);
}

std::function<void()> TaskQueue::TakeOne() {
    std::lock_guard lock(mutex_);
    if (tasks_.empty())
        return nullptr;
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    return task;
}

int TaskQueue::RunPending() {
    int count = 0;
    while (std::function<void()> task = TakeOne()) {
        task();
        ++count;
    }
    return count;
}

bool TaskQueue::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            if (!queued_.wait_until(lock, deadline, [&] { return !tasks_.empty(); }))
                return done();
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
    return true;
}

}  // namespace vorlak
