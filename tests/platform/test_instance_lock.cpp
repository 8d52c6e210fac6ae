// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <memory>
#include <thread>

#include "test_folder.h"

namespace vorlak {
namespace {

TEST(InstanceLockTest, OneHolderAtATimeAndFreeAgainWhenItEnds) {
    TestFolder folder;
    chmod(folder.Root().c_str(), 0700);
    {
        InstanceLock first(folder.Root());
        EXPECT_EQ(first.Status(), InstanceLock::State::Taken);
        InstanceLock second(folder.Root());
        EXPECT_EQ(second.Status(), InstanceLock::State::HeldElsewhere);
    }
    InstanceLock again(folder.Root());
    EXPECT_EQ(again.Status(), InstanceLock::State::Taken);
}

TEST(InstanceLockTest, AProcessThatFindsItHeldLearnsWhoHoldsIt) {
    TestFolder folder;
    chmod(folder.Root().c_str(), 0700);
    {
        InstanceLock window(folder.Root(), kMouseLockName, "the Vorlak window (process 7)");
        InstanceLock second(folder.Root(), kMouseLockName, "vorlakctl status (process 8)");
        EXPECT_EQ(second.Status(), InstanceLock::State::HeldElsewhere);
        EXPECT_EQ(second.Holder(), "the Vorlak window (process 7)");
        // Another lock of the same folder is free.
        InstanceLock other(folder.Root(), "Vorlak_Folder_1_2", "vorlakctl dpi (process 9)");
        EXPECT_EQ(other.Status(), InstanceLock::State::Taken);
    }
    // A holder's name leaves with it: a later holder is never named by it.
    EXPECT_EQ(std::filesystem::file_size(folder.Path(kMouseLockName)), 0u);
}

TEST(InstanceLockTest, AWaitEndsWhenTheHolderLetsGo) {
    TestFolder folder;
    chmod(folder.Root().c_str(), 0700);
    auto holder = std::make_unique<InstanceLock>(folder.Root(), kMouseLockName, "first");
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        holder.reset();
    });
    InstanceLock waiting(folder.Root(), kMouseLockName, "second", std::chrono::seconds(30));
    release.join();
    EXPECT_EQ(waiting.Status(), InstanceLock::State::Taken);
    InstanceLock refused(folder.Root(), kMouseLockName, "third", std::chrono::milliseconds(100));
    EXPECT_EQ(refused.Status(), InstanceLock::State::HeldElsewhere);
    EXPECT_EQ(refused.Holder(), "second");
}

TEST(InstanceLockTest, EveryPathToADataFolderNamesOneLock) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path("data"));
    std::filesystem::create_directory_symlink(folder.Path("data"), folder.Path("link"));
    const std::string name = DataFolderLockName(folder.Path("data"));
    EXPECT_TRUE(name.starts_with("Vorlak_Folder_"));
    EXPECT_EQ(DataFolderLockName(folder.Path("link")), name);
    EXPECT_EQ(DataFolderLockName(folder.Root() / "link" / ".." / "data"), name);
    EXPECT_NE(DataFolderLockName(folder.Root()), name);
    EXPECT_EQ(DataFolderLockName(folder.Path("missing")), "");
}

TEST(InstanceLockTest, AFolderOthersMayWriteHoldsNoLock) {
    TestFolder folder;
    chmod(folder.Root().c_str(), 0777);
    InstanceLock lock(folder.Root());
    EXPECT_EQ(lock.Status(), InstanceLock::State::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kInstanceLockName)));
}

}  // namespace
}  // namespace vorlak
