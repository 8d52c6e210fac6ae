// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file replacements on the writer thread: the files are written in order, each outcome
// comes back to the owner's queue in the same order, and an owner that has gone gets none
// while its writes still reach the disk.
#include "common/file_writes.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <system_error>
#include <vector>

#include "common/write_queue.h"
#include "test_folder.h"

namespace vorlak {
namespace {

// The owner's thread as a queue the test runs.
class OwnerQueue {
public:
    QueuedFileWrites::Post Post() {
        return [this](std::function<void()> task) {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        };
    }
    void Run() {
        std::vector<std::function<void()>> tasks;
        {
            const std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks)
            task();
    }

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> tasks_;
};

TEST(QueuedFileWritesTest, OutcomesComeBackInOrderAfterTheWrites) {
    TestFolder folder;
    OwnerQueue owner;
    WriteQueue queue;
    QueuedFileWrites writes(queue, owner.Post());
    std::vector<std::string> told;
    for (int i = 0; i < 5; ++i) {
        writes.Replace(folder.Path("store.ini"), "version " + std::to_string(i),
                       [&told, i](std::error_code error) {
                           told.push_back(std::to_string(i) + (error ? " failed" : " written"));
                       });
    }
    writes.Replace(folder.Path("no such folder") / "store.ini", "x", [&told](std::error_code e) {
        told.push_back(e == std::errc::no_such_file_or_directory ? "missing folder" : e.message());
    });
    writes.WhenDone([&told] { told.push_back("done"); });
    EXPECT_TRUE(told.empty());  // nothing runs on the owner's thread before its queue does
    queue.WaitIdle();
    owner.Run();
    EXPECT_EQ(told, (std::vector<std::string>{"0 written", "1 written", "2 written", "3 written",
                                              "4 written", "missing folder", "done"}));
    EXPECT_EQ(folder.Read("store.ini"), "version 4");
}

TEST(QueuedFileWritesTest, AnOwnerThatHasGoneGetsNoOutcomeButItsWritesAreMade) {
    TestFolder folder;
    OwnerQueue owner;
    WriteQueue queue;
    bool told = false;
    {
        QueuedFileWrites writes(queue, owner.Post());
        writes.Replace(folder.Path("store.ini"), "kept", [&told](std::error_code) { told = true; });
        writes.WhenDone([&told] { told = true; });
    }
    queue.WaitIdle();
    owner.Run();
    EXPECT_FALSE(told);
    EXPECT_EQ(folder.Read("store.ini"), "kept");
}

TEST(ImmediateFileWritesTest, WritesAndTellsAtOnce) {
    TestFolder folder;
    ImmediateFileWrites writes;
    std::error_code outcome = std::make_error_code(std::errc::io_error);
    writes.Replace(folder.Path("a.ini"), "bytes", [&](std::error_code e) { outcome = e; });
    EXPECT_FALSE(outcome);
    EXPECT_EQ(folder.Read("a.ini"), "bytes");
}

}  // namespace
}  // namespace vorlak
