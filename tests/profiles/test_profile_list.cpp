// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_list.h"

#include <gtest/gtest.h>

#include "record/ini_file.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

ProfileList Listed(std::initializer_list<std::string> names) {
    std::vector<ProfileEntry> entries;
    int slot = 0;
    for (const std::string& name : names)
        entries.push_back({name, {slot++, false}});
    return ProfileList(std::move(entries));
}

std::vector<std::string> Names(const ProfileList& list) {
    std::vector<std::string> names;
    for (const ProfileEntry& entry : list.Entries())
        names.push_back(entry.name);
    return names;
}

struct NewNameCase {
    std::string code;
    std::vector<std::string> names;
    std::string expected;
};

TEST(ProfileListTest, NewNamesFollowTheLastNameInEachLanguage) {
    const std::vector<NewNameCase> cases = {
        {"EN", {}, "Profile 1"},
        {"EN", {"Profile 1", "Profile 2", "Profile 3"}, "Profile 4"},
        // The text after the first space does not start with a digit.
        {"EN", {"Profile 1", "Copy Profile 3"}, "Profile 1"},
        {"EN", {"Default"}, "Default 1"},
        {"EN", {"A", "Default"}, "Default 2"},
        {"DE", {"Profil 1", "Profil 2"}, "Profil 3"},
        {"DE", {"Kopieren Profil 2"}, "Profil 1"},
        {"CHS", {"Profile 5"}, "Profile 6"},
        {"CHT", {}, "設定檔 1"},
        {"CHT", {"設定檔 1", "設定檔 2"}, "設定檔 3"},
        {"CHT", {"複製 設定檔 2"}, "設定檔 1"},
        // The largest number plus one is still a number.
        {"EN", {"Profile 2147483647"}, "Profile 2147483648"},
    };
    for (const NewNameCase& c : cases) {
        std::vector<ProfileEntry> entries;
        for (const std::string& name : c.names)
            entries.push_back({name, {}});
        ProfileList list(entries);
        const int index = list.AddNew(ProfileManagerTextsFor(c.code).baseName);
        ASSERT_EQ(index, static_cast<int>(c.names.size())) << c.expected;
        EXPECT_EQ(list.Name(index), c.expected);
        EXPECT_EQ(list.Entries().back().source, (ProfileSource{ProfileSource::kDefaults, false}));
    }
}

TEST(ProfileListTest, SixEntriesAreTheLimitForNewAndCopy) {
    ProfileList list = Listed({"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(list.AddNew("Profile"), -1);
    EXPECT_FALSE(list.Copy(0, "Copy"));
    EXPECT_EQ(list.Count(), 6);
}

TEST(ProfileListTest, DeleteMovesTheLaterEntriesUpAndKeepsTheLastOne) {
    ProfileList list = Listed({"a", "b", "c"});
    EXPECT_FALSE(list.Delete(3));
    EXPECT_FALSE(list.Delete(-1));
    EXPECT_TRUE(list.Delete(1));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(list.Entries()[1].source.slot, 2);
    EXPECT_TRUE(list.Delete(0));
    EXPECT_FALSE(list.Delete(0));
    EXPECT_EQ(Names(list), std::vector<std::string>{"c"});
}

TEST(ProfileListTest, CopiesTakeTheDataOfTheStoredProfileTheyCameFrom) {
    ProfileList list = Listed({"a", "b"});
    EXPECT_FALSE(ProfileList().Copy(0, "Copy"));
    EXPECT_FALSE(list.Copy(2, "Copy"));
    ASSERT_TRUE(list.Copy(1, "Copy"));
    ASSERT_TRUE(list.Copy(2, "Kopieren"));  // a copy of the copy
    const int fresh = list.AddNew("Profile");
    ASSERT_TRUE(list.Copy(fresh, "Copy"));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "b", "Copy b", "Kopieren Copy b",
                                                     "Profile 1", "Copy Profile 1"}));
    EXPECT_EQ(list.Entries()[2].source, (ProfileSource{1, true}));
    EXPECT_EQ(list.Entries()[3].source, (ProfileSource{1, true}));
    EXPECT_EQ(list.Entries()[5].source, (ProfileSource{ProfileSource::kDefaults, false}));
    EXPECT_EQ(list.IndexOfStored(1), 1);
    EXPECT_TRUE(list.Delete(1));
    EXPECT_EQ(list.IndexOfStored(1), -1);  // the copies are not the profile itself
}

// Two copies of one profile get two names: the second skips the name the first took.
TEST(ProfileListTest, CopyNamesSkipTheNamesThatAreTaken) {
    ProfileList list = Listed({"a", "Copy a 2"});
    ASSERT_TRUE(list.Copy(0, "Copy"));
    ASSERT_TRUE(list.Copy(0, "Copy"));
    ASSERT_TRUE(list.Copy(0, "Copy"));
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"a", "Copy a 2", "Copy a", "Copy a 3", "Copy a 4"}));
}

TEST(ProfileListTest, RenameRefusesDuplicatesAndNamesTheFileCannotHold) {
    ProfileList list = Listed({"a", "b"});
    EXPECT_FALSE(list.Rename(0, "b"));
    EXPECT_TRUE(list.Rename(0, "a"));
    EXPECT_TRUE(list.Rename(0, "B"));  // names compare exactly
    EXPECT_FALSE(list.Rename(1, "line\nbreak"));
    EXPECT_FALSE(list.Rename(1, std::string(1024, 'x')));
    EXPECT_FALSE(list.Rename(2, "c"));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"B", "b"}));
}

// Odd names survive the list file: written, read back, the same.
TEST(ProfileListTest, OddNamesReadBackAsWritten) {
    const std::vector<std::string> odd = {"a=b",        "[x]",   "  leading",
                                          "trailing  ", "\"q\"", std::string(1023, 'n')};
    ProfileList list = Listed({"1", "2", "3", "4", "5", "6"});
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(list.Rename(i, odd[static_cast<std::size_t>(i)])) << i;
    IniFile file;
    list.WriteTo(file, 1);
    const IniFile reread = IniFile::Parse(file.Serialize());
    EXPECT_EQ(Names(ProfileList::Read(reread)), odd);
    EXPECT_EQ(reread.Get("Profile", "CurProfileName"), "[x]");
}

TEST(ProfileListTest, OnlyCountsOfOneToSixAreRead) {
    for (const char* count : {"0", "7", "-1", "2000000000", "x", ""}) {
        const IniFile file =
            IniFile::Parse(std::string("[PROFILE]\nItemCount=") + count + "\nItem0=a\nItem1=b\n");
        EXPECT_EQ(ProfileList::Read(file).Count(), 0) << count;
    }
    const IniFile file = IniFile::Parse("[PROFILE]\nItemCount=3\nItem0=a\nItem2=c\n");
    const ProfileList list = ProfileList::Read(file);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(list.Entries()[2].source, (ProfileSource{2, false}));
}

TEST(ProfileListTest, WritingReplacesTheSectionAndNamesTheCurrentEntry) {
    IniFile file = IniFile::Parse(
        "[Skins]\nLan=DE\n[Profile]\nCurProfileName=x\nItemCount=6\nItem5=old\n[profile]\n"
        "Item4=dup\n");
    const ProfileList list = Listed({"a", "b"});
    list.WriteTo(file, 1);
    EXPECT_EQ(file.Serialize(),
              "[Skins]\nLan=DE\n[Profile]\nCurProfileName=b\nCurProfileItem=1\nItemCount=2\n"
              "Item0=a\nItem1=b\n");
    list.WriteTo(file, -1);  // no selection: the first entry
    EXPECT_EQ(file.Get("Profile", "CurProfileName"), "a");
    ProfileList().WriteTo(file, -1);
    EXPECT_EQ(file.Serialize(), "[Skins]\nLan=DE\n[Profile]\nCurProfileName=\n");
}

}  // namespace
}  // namespace vorlak
