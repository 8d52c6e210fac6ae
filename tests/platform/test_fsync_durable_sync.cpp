// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/fsync_durable_sync.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_folder.h"

namespace vorlak {
namespace {

TEST(FsyncDurableSyncTest, FlushesFilesAndFoldersAndNamesTheReasonOtherwise) {
    TestFolder folder;
    const FsyncDurableSync sync;
    EXPECT_FALSE(sync.Sync(folder.Write("a.bin", "x")));
    EXPECT_FALSE(sync.Sync(folder.Root()));
    EXPECT_EQ(sync.Sync(folder.Path("missing")), std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace vorlak
