// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(InstanceLockTest, AFolderOthersMayWriteHoldsNoLock) {
    TestFolder folder;
    chmod(folder.Root().c_str(), 0777);
    InstanceLock lock(folder.Root());
    EXPECT_EQ(lock.Status(), InstanceLock::State::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kInstanceLockName)));
}

}  // namespace
}  // namespace vorlak
