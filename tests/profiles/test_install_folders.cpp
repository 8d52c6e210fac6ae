// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/install_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cstdlib>

#include <unistd.h>

#include "profiles/profile_files.h"
#include "test_folder.h"

namespace vorlak {
namespace {

namespace fs = std::filesystem;

TEST(InstallFoldersTest, UserDataFolderFollowsXdgThenHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/x/config", "/home/u", "/x/config/vorlak"},
        {nullptr, "/home/u", "/home/u/.config/vorlak"},
        {"", "/home/u", "/home/u/.config/vorlak"},
        {"relative/config", "/home/u", "/home/u/.config/vorlak"},  // ignored, as XDG says
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserDataFolder(c.xdg, c.home).string(), c.expected) << c.xdg << " " << c.home;
}

// A program folder laid out like a build's runnable folder or like an installed prefix.
class RunFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("VORLAK_DATA_DIR");
        setenv("XDG_CONFIG_HOME", tree_.Path("config").c_str(), 1);
        fs::create_directories(bin_);
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    TestFolder tree_;
    const fs::path bin_ = tree_.Path("usr/bin/");
    const fs::path shared_ = tree_.Path("usr/share/vorlak");
};

TEST_F(RunFoldersTest, InstalledProgramUsesTheUserFolderAndTheSharedSkins) {
    fs::create_directories(shared_ / "Skins");
    const RunFolders folders = ChooseRunFolders(std::nullopt, bin_);
    EXPECT_EQ(folders.data.Folder(), tree_.Path("config/vorlak/"));
    EXPECT_STREQ(folders.dataKind, "user");
    EXPECT_EQ(folders.skinRoot, shared_);
    EXPECT_EQ(folders.defaults, shared_ / "defaults");
}

TEST_F(RunFoldersTest, ProgramFolderWithTheDataFilesIsPortable) {
    fs::create_directories(bin_ / "Skins");
    fs::create_directories(shared_ / "Skins");
    tree_.Write("usr/bin/str.ini", "");
    const RunFolders folders = ChooseRunFolders(std::nullopt, bin_);
    EXPECT_EQ(folders.data.Folder(), bin_);
    EXPECT_STREQ(folders.dataKind, "portable");
    EXPECT_EQ(folders.skinRoot, bin_);
}

TEST_F(RunFoldersTest, GivenFolderGoesFirst) {
    tree_.Write("usr/bin/str.ini", "");
    const RunFolders folders = ChooseRunFolders(tree_.Path("mine"), bin_);
    EXPECT_EQ(folders.data.Folder(), tree_.Path("mine/"));
    EXPECT_STREQ(folders.dataKind, "given");
    // Without skins anywhere the program folder is still where they are looked for.
    EXPECT_EQ(folders.skinRoot, bin_);
}

TEST(PrepareDataFolderTest, MissingFolderIsCreatedAndSeededFromTheDefaults) {
    TestFolder tree;
    fs::create_directories(tree.Path("defaults"));
    tree.Write("defaults/str0.ini", "[Skins]\r\nLan=DE\r\n");
    const fs::path folder = tree.Path("a/b/vorlak");
    const DataFolderReady ready = PrepareDataFolder(folder, tree.Path("defaults"));
    EXPECT_EQ(ready.problem, std::nullopt);
    EXPECT_TRUE(ready.created);
    // The installed default wins; the program writes what the defaults lack.
    EXPECT_EQ(tree.Read("a/b/vorlak/str0.ini"), "[Skins]\r\nLan=DE\r\n");
    for (const char* name : {"str.ini", "config.bin", "config5.bin", "str5.ini", "record.ini"})
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_EQ(fs::file_size(folder / "config0.bin"), kRecordFileSize);
    EXPECT_FALSE(fs::exists(folder / ".vorlak-write-check"));
}

// A run that only reads never makes a folder (a typing slip leaves nothing behind) nor writes
// into one; the write check of a run that writes makes a probe of its own and clears the probes
// that killed runs left, so that neither they nor a run beside it make the folder unwritable.
TEST(PrepareDataFolderTest, AReadMakesNothingAndTheWriteCheckClearsStaleProbes) {
    TestFolder tree;
    const DataFolderReady read = PrepareDataFolder(tree.Path("typo"), {}, DataFolderUse::Read);
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->step, DataFolderProblem::Step::Missing);
    EXPECT_FALSE(read.created);
    EXPECT_FALSE(fs::exists(tree.Path("typo")));

    fs::create_directories(tree.Path("data/.vorlak-write-check"));
    fs::create_directories(tree.Path("data/.vorlak-write-check-17-99-3"));
    tree.Write("data/config0.bin", "mine");
    EXPECT_EQ(PrepareDataFolder(tree.Path("data"), {}, DataFolderUse::Read).problem, std::nullopt);
    EXPECT_TRUE(fs::exists(tree.Path("data/.vorlak-write-check")));
    EXPECT_EQ(PrepareDataFolder(tree.Path("data"), {}).problem, std::nullopt);
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(tree.Path("data")))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"config0.bin"});
}

TEST(PrepareDataFolderTest, FolderInUseIsNeverSeeded) {
    TestFolder tree;
    tree.Write("config0.bin", "mine");
    const DataFolderReady ready = PrepareDataFolder(tree.Root(), tree.Path("no-defaults"));
    EXPECT_EQ(ready.problem, std::nullopt);
    EXPECT_FALSE(ready.created);
    EXPECT_EQ(tree.Read("config0.bin"), "mine");
    EXPECT_FALSE(fs::exists(tree.Path("str.ini")));
}

TEST(PrepareDataFolderTest, FolderThatCannotBeUsedIsNamedWithTheReason) {
    TestFolder tree;
    tree.Write("file", "");
    using Step = DataFolderProblem::Step;
    struct Case {
        fs::path folder;
        Step step;
        const char* reason;
    };
    const Case cases[] = {
        {tree.Path("file/vorlak"), Step::Create, "Not a directory"},
        {tree.Path("file"), Step::Create, "Not a directory"},
        {fs::path(), Step::Create, "no home folder is set"},
    };
    for (const Case& c : cases) {
        const std::optional<DataFolderProblem> problem = PrepareDataFolder(c.folder, {}).problem;
        ASSERT_TRUE(problem) << c.folder;
        EXPECT_EQ(problem->step, c.step) << c.folder;
        EXPECT_EQ(problem->reason, c.reason) << c.folder;
        EXPECT_NE(problem->Describe().find(c.folder.string()), std::string::npos);
    }
}

TEST(PrepareDataFolderTest, UnreadableOrReadOnlyFolderIsNamed) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold for root";
    TestFolder tree;
    fs::create_directories(tree.Path("locked"));
    fs::create_directories(tree.Path("read-only"));
    fs::permissions(tree.Path("locked"), fs::perms::none);
    fs::permissions(tree.Path("read-only"), fs::perms::owner_read | fs::perms::owner_exec);
    const auto locked = PrepareDataFolder(tree.Path("locked"), {}).problem;
    const auto readOnly = PrepareDataFolder(tree.Path("read-only"), {}).problem;
    fs::permissions(tree.Path("locked"), fs::perms::owner_all);
    fs::permissions(tree.Path("read-only"), fs::perms::owner_all);
    ASSERT_TRUE(locked && readOnly);
    EXPECT_EQ(locked->step, DataFolderProblem::Step::Read);
    EXPECT_EQ(readOnly->step, DataFolderProblem::Step::Write);
    EXPECT_EQ(readOnly->Describe(), "the data folder " + tree.Path("read-only").string() +
                                        " cannot be written: Permission denied");
}

}  // namespace
}  // namespace vorlak
