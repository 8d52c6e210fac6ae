// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/write_queue.h"

namespace vorlak {

WriteQueue::WriteQueue() = default;

WriteQueue::~WriteQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

// The thread starts with the first task: a run that writes nothing has none.
void WriteQueue::Push(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
}

void WriteQueue::WaitIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return tasks_.empty() && !running_; });
}

bool WriteQueue::Idle() {
    std::lock_guard lock(mutex_);
    return tasks_.empty() && !running_;
}

// The tasks queued when the owner goes still run: a write the user asked for is not dropped.
void WriteQueue::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty())
            return;
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        running_ = true;
        lock.unlock();
        task();
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}

}  // namespace vorlak
