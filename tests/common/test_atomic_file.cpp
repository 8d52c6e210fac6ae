// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "common/durable_sync.h"
#include "test_folder.h"

namespace vorlak {
namespace {

TEST(AtomicFileTest, ReplacesAndReadsBackWithinTheBound) {
    TestFolder folder;
    auto path = folder.Path("a.bin");
    std::error_code error;
    ASSERT_TRUE(ReplaceFileAtomically(path, "first", error));
    ASSERT_TRUE(ReplaceFileAtomically(path, std::string("se\0cond", 7), error));
    EXPECT_EQ(ReadFileBytes(path, 100), std::string("se\0cond", 7));
    EXPECT_EQ(ReadFileBytes(path, 3), std::string("se\0", 3));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("a.bin.vorlak-new")));
}

// Records what the core asks to flush; fails for the names it is told to.
class RecordingSync : public DurableSync {
public:
    RecordingSync() : previous_(InstallDurableSync(this)) {}
    ~RecordingSync() override { InstallDurableSync(previous_); }
    RecordingSync(const RecordingSync&) = delete;
    RecordingSync& operator=(const RecordingSync&) = delete;

    std::error_code Sync(const std::filesystem::path& path) const override {
        flushed.push_back(path.filename().string());
        return path.filename() == failFor ? std::make_error_code(std::errc::io_error)
                                          : std::error_code();
    }
    mutable std::vector<std::string> flushed;
    std::string failFor;

private:
    const DurableSync* previous_;
};

TEST(AtomicFileTest, TheNewBytesAndThenTheNameAreFlushedThroughTheInstalledSync) {
    TestFolder folder;
    RecordingSync sync;
    std::error_code error;
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("a.bin"), "new", error));
    EXPECT_EQ(sync.flushed,
              (std::vector<std::string>{"a.bin.vorlak-new", folder.Root().filename().string()}));
    // A flush that fails keeps the old file: its name never points at bytes that may be lost.
    sync.failFor = "a.bin.vorlak-new";
    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("a.bin"), "newer", error));
    EXPECT_EQ(error, std::errc::io_error);
    EXPECT_EQ(folder.Read("a.bin"), "new");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("a.bin.vorlak-new")));
}

TEST(AtomicFileTest, StaleTemporaryFromAKilledWriterIsHarmless) {
    TestFolder folder;
    auto path = folder.Path("a.ini");
    std::ofstream(folder.Path("a.ini.vorlak-new")) << "half a fi";
    std::error_code error;
    ASSERT_TRUE(ReplaceFileAtomically(path, "whole", error));
    EXPECT_EQ(ReadFileBytes(path, 100), "whole");
}

TEST(AtomicFileTest, FailureLeavesTheOldFile) {
    TestFolder folder;
    auto path = folder.Path("dir");
    std::filesystem::create_directory(path);
    std::error_code error;
    EXPECT_FALSE(ReplaceFileAtomically(path, "x", error));
    EXPECT_TRUE(error);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("missing/x.bin"), "x", error));
}

TEST(AtomicFileTest, NothingForMissingFilesAndDirectories) {
    TestFolder folder;
    EXPECT_FALSE(ReadFileBytes(folder.Path("none"), 10));
    EXPECT_FALSE(ReadFileBytes(folder.Root(), 10));
}

}  // namespace
}  // namespace vorlak

namespace vorlak {
namespace {

// A writer killed at any moment leaves either the old or the new file, never a part.
TEST(AtomicFileTest, KilledWriterLeavesAWholeFile) {
    TestFolder folder;
    const auto path = folder.Path("config0.bin");
    const std::string first(1 << 20, 'a');
    const std::string second(1 << 20, 'b');
    std::error_code error;
    ASSERT_TRUE(ReplaceFileAtomically(path, first, error));
    for (int round = 0; round < 5; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                ReplaceFileAtomically(path, i % 2 ? first : second, error);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 10 * round));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = folder.Read("config0.bin");
        EXPECT_TRUE(now == first || now == second) << "round " << round << ": " << now.size();
    }
}

}  // namespace
}  // namespace vorlak

namespace vorlak {
namespace {

TEST(AtomicFileTest, ReplacementKeepsPermissionsAndLinks) {
    TestFolder folder;
    const auto real = folder.Write("real.ini", "old");
    std::filesystem::permissions(
        real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const auto link = folder.Path("link.ini");
    std::filesystem::create_symlink(real, link);
    std::error_code error;
    ASSERT_TRUE(ReplaceFileAtomically(link, "new", error));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(folder.Read("real.ini"), "new");
    EXPECT_EQ(std::filesystem::status(real).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
}  // namespace vorlak
