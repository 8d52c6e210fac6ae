// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_renumbering.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <thread>

#include "common/diagnostics.h"
#include "flush_hook.h"
#include "profiles/profile_files.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

constexpr char kDefaultsMark = 'D';

// Stored profile k: its record is filled with 'a' + k, its settings name it "k". The
// defaults are filled with 'D' and their settings carry the list.
void WriteStoredProfiles(const TestFolder& folder, int listed) {
    std::string list = "[Skins]\nLan=EN\n[Setting-EN]\nItem1=default\n[Profile]\n";
    list += "CurProfileName=P0\nItemCount=" + std::to_string(listed) + "\n";
    for (int i = 0; i < listed; ++i)
        list += "Item" + std::to_string(i) + "=P" + std::to_string(i) + "\n";
    folder.Write("str.ini", list);
    folder.Write("config.bin", std::string(1, '\x01') + std::string(1888, kDefaultsMark));
    for (int k = 0; k < kProfileSlots; ++k) {
        folder.Write(RecordFileName(k),
                     std::string(1, '\x01') + std::string(1888, static_cast<char>('a' + k)));
        folder.Write(SettingsFileName(k), "[Setting-EN]\nItem1=" + std::to_string(k) + "\n");
    }
}

// Which profile number i holds: the stored profile's number, kDefaults, or -2 when its
// record and settings disagree or the record is torn.
int Holder(const TestFolder& folder, int i) {
    const std::string record = folder.Read(RecordFileName(i));
    const std::string label =
        ReadIniString(folder.Path(SettingsFileName(i)), "Setting-EN", "Item1");
    if (record.size() != kRecordFileSize ||
        record.find_first_not_of(record[1], 1) != std::string::npos)
        return -2;
    if (record[1] == kDefaultsMark)
        return label == "default" ? ProfileSource::kDefaults : -2;
    const int k = record[1] - 'a';
    return label == std::to_string(k) ? k : -2;
}

RenumberingPlan Holders(const TestFolder& folder) {
    RenumberingPlan held{};
    for (int i = 0; i < kProfileSlots; ++i)
        held[static_cast<std::size_t>(i)] = Holder(folder, i);
    return held;
}

constexpr int D = ProfileSource::kDefaults;

struct EditCase {
    const char* what;
    int listed;
    std::function<void(ProfileList&)> edit;
    RenumberingPlan holders;
};

TEST(ProfileRenumberingTest, EveryFileHoldsTheProfileOfItsNewNumber) {
    const std::vector<EditCase> cases = {
        {"no edit", 3, [](ProfileList&) {}, {0, 1, 2, 3, 4, 5}},
        {"delete first", 3, [](ProfileList& l) { l.Delete(0); }, {1, 2, 0, 3, 4, 5}},
        {"delete middle", 3, [](ProfileList& l) { l.Delete(1); }, {0, 2, 1, 3, 4, 5}},
        {"delete last", 3, [](ProfileList& l) { l.Delete(2); }, {0, 1, 2, 3, 4, 5}},
        {"copy", 3, [](ProfileList& l) { l.Copy(0, "Copy"); }, {0, 1, 2, 0, 3, 4}},
        {"new", 3, [](ProfileList& l) { l.AddNew("Profile"); }, {0, 1, 2, D, 3, 4}},
        {"delete first, then copy",
         3,
         [](ProfileList& l) {
             l.Delete(0);
             l.Copy(0, "Copy");
         },
         {1, 2, 1, 0, 3, 4}},
        {"delete two, new",
         4,
         [](ProfileList& l) {
             l.Delete(2);
             l.Delete(0);
             l.AddNew("Profile");
         },
         {1, 3, D, 0, 2, 4}},
        {"six: delete first, new",
         6,
         [](ProfileList& l) {
             l.Delete(0);
             l.AddNew("Profile");
         },
         {1, 2, 3, 4, 5, D}},
        {"copy of a deleted profile's copy",
         2,
         [](ProfileList& l) {
             l.Copy(0, "Copy");
             l.Delete(0);
             l.Copy(1, "Copy");
         },
         {1, 0, 0, 0, 2, 3}},
        {"renames alone move nothing",
         2,
         [](ProfileList& l) { l.Rename(0, "X"); },
         {0, 1, 2, 3, 4, 5}},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        WriteStoredProfiles(folder, c.listed);
        ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
        c.edit(list);
        EXPECT_EQ(PlanRenumbering(list), c.holders);
        const CommitResult result = CommitProfileList(folder.Root(), list, list.Count() - 1);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(Holders(folder), c.holders);
        EXPECT_EQ(ProfileList::Read(IniFile::Open(folder.Path("str.ini"))).Count(), list.Count());
        EXPECT_FALSE(std::filesystem::exists(folder.Path(kProfileJournalFile)));
        for (int i = 0; i < kProfileSlots; ++i)
            EXPECT_FALSE(std::filesystem::exists(folder.Path(RecordFileName(i) + ".renumber")));
    }
}

TEST(ProfileRenumberingTest, TheListIsWrittenWithTheCurrentNameAndTheRestOfTheFileKept) {
    TestFolder folder;
    WriteStoredProfiles(folder, 3);
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    list.Delete(0);
    ASSERT_TRUE(CommitProfileList(folder.Root(), list, 1).ok);
    const IniFile file = IniFile::Open(folder.Path("str.ini"));
    EXPECT_EQ(file.Get("Profile", "CurProfileName"), "P2");
    EXPECT_EQ(file.Get("Profile", "ItemCount"), "2");
    EXPECT_EQ(file.Get("Profile", "Item2"), "");
    EXPECT_EQ(file.Get("Skins", "Lan"), "EN");
    // A new profile's settings are the defaults without the list.
    list.AddNew("Profile");
    ASSERT_TRUE(CommitProfileList(folder.Root(), list, 2).ok);
    const IniFile fresh = IniFile::Open(folder.Path("str2.ini"));
    EXPECT_EQ(fresh.Get("Skins", "Lan"), "EN");
    EXPECT_FALSE(fresh.HasSection("Profile"));
}

TEST(ProfileRenumberingTest, MissingSourcesTakeTheDefaults) {
    TestFolder folder;
    WriteStoredProfiles(folder, 3);
    std::filesystem::remove(folder.Path("config2.bin"));
    std::filesystem::remove(folder.Path("config.bin"));
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    list.Delete(0);
    ASSERT_TRUE(CommitProfileList(folder.Root(), list, 0).ok);
    // Entry 1 (stored profile 2) had no record: it gets the built-in defaults.
    EXPECT_EQ(folder.Read("config1.bin").size(), kRecordFileSize);
    EXPECT_EQ(folder.Read("config1.bin")[0], '\x01');
}

TEST(ProfileRenumberingTest, WithoutAListFileNothingIsWritten) {
    TestFolder folder;
    WriteStoredProfiles(folder, 3);
    std::filesystem::remove(folder.Path("str.ini"));
    ProfileList list;
    list.AddNew("Profile");
    EXPECT_TRUE(CommitProfileList(folder.Root(), list, 0).ok);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("str.ini")));
    EXPECT_EQ(Holder(folder, 0), 0);
}

TEST(ProfileRenumberingTest, AFolderInTheWayChangesNothing) {
    TestFolder folder;
    DiagnosticCapture diagnostics;
    WriteStoredProfiles(folder, 3);
    std::filesystem::remove(folder.Path("str1.ini"));
    std::filesystem::create_directory(folder.Path("str1.ini"));
    const std::string before = folder.Read("str.ini");
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    list.Delete(0);
    const CommitResult result = CommitProfileList(folder.Root(), list, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("str1.ini"), std::string::npos);
    EXPECT_EQ(folder.Read("str.ini"), before);
    EXPECT_EQ(folder.Read("config0.bin")[1], 'a');
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kProfileJournalFile)));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config0.bin.renumber")));
}

TEST(ProfileRenumberingTest, RecoveryRenamesOnlyTheFilesOfTheProfiles) {
    TestFolder outside;
    TestFolder folder;
    WriteStoredProfiles(folder, 2);
    folder.Write("config1.bin.renumber", std::string(1, '\x01') + std::string(1888, 'z'));
    folder.Write("evil.renumber", "x");
    folder.Write(std::string(kProfileJournalFile),
                 "config1.bin\n../" + outside.Root().filename().string() + "/x\nevil\n");
    EXPECT_EQ(RecoverProfileCommit(folder.Root()).state, RecoveryResult::State::Finished);
    EXPECT_EQ(folder.Read("config1.bin")[1], 'z');
    EXPECT_TRUE(std::filesystem::exists(folder.Path("evil.renumber")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kProfileJournalFile)));
    // Without a journal staged files are leftovers: nothing is renamed, and they go.
    folder.Write("config0.bin.renumber", "torn");
    EXPECT_EQ(RecoverProfileCommit(folder.Root()).state, RecoveryResult::State::Clean);
    EXPECT_EQ(folder.Read("config0.bin")[1], 'a');
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config0.bin.renumber")));
}

// Files staged by a commit or a write that a kill stopped before its commit point stay no
// longer than the next writer's start; those a journal names are renamed, never removed.
TEST(ProfileRenumberingTest, RecoveryClearsTheStagedFilesNoJournalNames) {
    TestFolder folder;
    WriteStoredProfiles(folder, 2);
    for (const char* name : {"config2.bin.renumber", "str.ini.renumber", "str3.ini.vorlak-new",
                             "record.ini.vorlak-new", "profiles.journal.vorlak-new"})
        folder.Write(name, "left");
    folder.Write("mine.ini.vorlak-new", "not a data file");
    folder.Write("config1.bin.renumber", std::string(1, '\x01') + std::string(1888, 'y'));
    folder.Write(std::string(kProfileJournalFile), "config1.bin\n");
    EXPECT_EQ(RecoverProfileCommit(folder.Root()).state, RecoveryResult::State::Finished);
    EXPECT_EQ(folder.Read("config1.bin")[1], 'y');
    for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "mine.ini.vorlak-new" ||
                    (!name.ends_with(".renumber") && !name.ends_with(".vorlak-new")))
            << name;
    }
}

// A rename that fails after the commit point leaves the files half renumbered: the commit says
// so, its journal stays, no new commit stages anything until it is finished, and a recovery
// finishes it once the obstacle is gone.
TEST(ProfileRenumberingTest, AFailedRenameIsToldAsUnfinishedAndBlocksTheNextCommit) {
    TestFolder folder;
    WriteStoredProfiles(folder, 3);
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    list.Delete(0);
    const std::filesystem::path obstacle = folder.Path("str1.ini");
    CommitResult result;
    {
        FlushHook hook([&](const std::filesystem::path& path) {
            if (path.filename() == std::string(kProfileJournalFile) + ".vorlak-new") {
                std::filesystem::remove(obstacle);
                std::filesystem::create_directories(obstacle / "x");
            }
        });
        result = CommitProfileList(folder.Root(), list, 0);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.unfinished);
    EXPECT_NE(result.error.find("str1.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.Path(kProfileJournalFile)));
    // Nothing is staged over the journal, and a recovery cannot finish while the obstacle stays.
    const std::string journal = folder.Read(std::string(kProfileJournalFile));
    ProfileList other = list;
    other.AddNew("Profile");
    const CommitResult refused = CommitProfileList(folder.Root(), other, 0);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.unfinished);
    EXPECT_NE(refused.error.find(kProfileJournalFile), std::string::npos);
    EXPECT_EQ(folder.Read(std::string(kProfileJournalFile)), journal);
    const RecoveryResult stuck = RecoverProfileCommit(folder.Root());
    EXPECT_EQ(stuck.state, RecoveryResult::State::Unfinished);
    EXPECT_NE(stuck.error.find("str1.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.Path("str1.ini.renumber")));
    std::filesystem::remove_all(obstacle);
    EXPECT_EQ(RecoverProfileCommit(folder.Root()).state, RecoveryResult::State::Finished);
    EXPECT_EQ(Holders(folder), (RenumberingPlan{1, 2, 0, 3, 4, 5}));
}

// A list file that could not be read (here: over the size limit) reads as no profiles; it is
// never committed, so its settings stay and no file moves.
TEST(ProfileRenumberingTest, AListThatCouldNotBeReadIsNeverCommitted) {
    TestFolder folder;
    WriteStoredProfiles(folder, 3);
    std::string big = folder.Read("str.ini");
    big += "[Padding]\n" + std::string(IniFile::kMaxFileBytes, ';') + "\n";
    folder.Write("str.ini", big);
    ProfileList list = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    EXPECT_EQ(list.Count(), 0);
    list.AddNew("Profile");
    const CommitResult result = CommitProfileList(folder.Root(), list, 0);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.unfinished);
    EXPECT_NE(result.error.find("str.ini"), std::string::npos);
    EXPECT_EQ(folder.Read("str.ini"), big);
    EXPECT_EQ(Holders(folder), (RenumberingPlan{0, 1, 2, 3, 4, 5}));
}

// The state after a kill and the recovery of the next start: the old list with the old files,
// or the new list with the new ones; never a mixture, never a torn file.
enum class Seen { Old, New, Mixed };

Seen Observe(const TestFolder& folder, const ProfileList& newList,
             const RenumberingPlan& newHolders) {
    const ProfileList now = ProfileList::Read(IniFile::Open(folder.Path("str.ini")));
    const RenumberingPlan held = Holders(folder);
    if (now.Count() == 6 && held == RenumberingPlan{0, 1, 2, 3, 4, 5} && now.Name(0) == "P0")
        return Seen::Old;
    bool sameNames = now.Count() == newList.Count();
    for (int i = 0; sameNames && i < now.Count(); ++i)
        sameNames = now.Name(i) == newList.Name(i);
    return sameNames && held == newHolders ? Seen::New : Seen::Mixed;
}

TEST(ProfileRenumberingTest, AKillAtAnyMomentLeavesTheOldOrTheNewProfiles) {
    TestFolder folder;
    auto newList = [] {
        ProfileList list = ProfileList::Read(
            IniFile::Parse("[Profile]\nItemCount=6\nItem0=P0\nItem1=P1\nItem2=P2\nItem3=P3\n"
                           "Item4=P4\nItem5=P5\n"));
        list.Delete(1);
        list.Delete(3);
        list.Copy(0, "Copy");
        list.AddNew("Profile");
        return list;
    }();
    const RenumberingPlan newHolders = PlanRenumbering(newList);
    ASSERT_EQ(newHolders, (RenumberingPlan{0, 2, 3, 5, 0, D}));

    // How long one commit takes here, so that the kills spread over its whole length.
    WriteStoredProfiles(folder, 6);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(CommitProfileList(folder.Root(), newList, 0).ok);
    const auto length = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<long> delay(0, 2 * length.count() + 200);
    int seenOld = 0, seenNew = 0, recovered = 0;
    for (int run = 0; run < 200; ++run) {
        WriteStoredProfiles(folder, 6);
        std::filesystem::remove(folder.Path(kProfileJournalFile));
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            _exit(CommitProfileList(folder.Root(), newList, 0).ok ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        recovered += std::filesystem::exists(folder.Path(kProfileJournalFile)) ? 1 : 0;
        ASSERT_NE(RecoverProfileCommit(folder.Root()).state, RecoveryResult::State::Unfinished);
        const Seen seen = Observe(folder, newList, newHolders);
        ASSERT_NE(seen, Seen::Mixed) << "run " << run;
        (seen == Seen::Old ? seenOld : seenNew)++;
    }
    std::printf(
        "kills: %d left the old profiles, %d the new ones, %d of these through the "
        "journal (one commit: %ld us)\n",
        seenOld, seenNew, recovered, static_cast<long>(length.count()));
}

}  // namespace
}  // namespace vorlak
