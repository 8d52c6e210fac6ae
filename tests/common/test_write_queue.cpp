// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/write_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

namespace vorlak {
namespace {

TEST(WriteQueueTest, TasksRunOneAtATimeInOrderOffTheCallersThread) {
    std::vector<int> order;
    std::atomic<int> inside = 0;
    bool overlapped = false;
    bool onCaller = false;
    const std::thread::id caller = std::this_thread::get_id();
    WriteQueue queue;
    for (int i = 0; i < 50; ++i) {
        queue.Push([&, i] {
            overlapped = overlapped || ++inside > 1;
            onCaller = onCaller || std::this_thread::get_id() == caller;
            order.push_back(i);
            --inside;
        });
    }
    queue.WaitIdle();
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    EXPECT_FALSE(overlapped);
    EXPECT_FALSE(onCaller);
    EXPECT_TRUE(queue.Idle());
}

TEST(WriteQueueTest, PushNeverWaitsForARunningTaskAndTheEndRunsWhatIsQueued) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int ran = 0;
    {
        WriteQueue queue;
        queue.Push([released] { released.wait(); });
        queue.Push([&] { ++ran; });
        EXPECT_FALSE(queue.Idle());
        release.set_value();
    }  // the destructor runs the second task before the thread ends
    EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace vorlak
