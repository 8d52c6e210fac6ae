// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of the data files: flushing writes run on a thread of their own, one at a
// time, in the order they were pushed, so that the window never waits for the disk. A task
// hands its result back to the UI thread itself (through the owner's UiDispatcher), and the
// owner keeps its view consistent until that result arrives. Every data file write that
// flushes goes through the same queue, so that two writes never interleave.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vorlak {

class WriteQueue {
public:
    WriteQueue();
    // Runs every task pushed before, then ends the thread.
    ~WriteQueue();
    WriteQueue(const WriteQueue&) = delete;
    WriteQueue& operator=(const WriteQueue&) = delete;

    // Queues task to run on the writer thread after the tasks pushed before it. Never waits.
    void Push(std::function<void()> task);
    // Blocks until every task pushed before the call has ended.
    void WaitIdle();
    // True when no task is queued or running.
    bool Idle();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    bool running_ = false;  // a task is under way
    bool stopping_ = false;
    std::thread thread_;  // started by the first Push
};

}  // namespace vorlak
