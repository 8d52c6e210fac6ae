// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/default_data_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "macro/macro_store.h"
#include "profiles/profile_files.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

TEST(DefaultDataFilesTest, AFreshFolderHoldsALoadableDefaultProfile) {
    TestFolder folder;
    ASSERT_TRUE(WriteDefaultDataFiles(folder.Root()));
    ConfigStore store;
    ProfileFiles files(DataFolder(folder.Root()), store);
    ASSERT_TRUE(files.LoadCurrentProfile());
    EXPECT_EQ(store.firstRunFlag, 1);
    MouseConfig defaults{};
    ResetToDefaults(defaults);
    EXPECT_EQ(std::memcmp(&store.currentConfig, &defaults, sizeof defaults), 0);

    struct Label {
        const char* section;
        int item;
        const char* text;
    };
    const Label labels[] = {{"Setting-EN", 1, "Click"},  {"Setting-EN", 3, "Scroll "},
                            {"Setting-DE", 2, "Menü"},   {"Setting-CHS", 1, "左键"},
                            {"Setting-CHT", 6, "DPI +"}, {"Setting-EN", 12, "Forward"}};
    for (const auto& l : labels) {
        files.LoadProfileSettings(l.section);
        EXPECT_EQ(files.Settings().entryLabel[l.item - 1], l.text) << l.section << l.item;
    }
    EXPECT_EQ(files.Settings().rColor, "255");
    EXPECT_EQ(ReadIniString(folder.Path("str.ini"), "Skins", "Lan"), "EN");
    EXPECT_EQ(ReadIniString(folder.Path("str.ini"), "Profile", "CurProfileName"), "Profile 1");
    for (int n = 0; n < kMaxProfiles; ++n) {
        EXPECT_EQ(folder.Read(RecordFileName(n)).size(), kRecordFileSize);
        EXPECT_EQ(ReadIniString(folder.Path(SettingsFileName(n)), "Setting-EN", "Item2"), "Menu");
    }
    MacroStore macros(folder.Path("record.ini"));
    EXPECT_TRUE(macros.Exists());
    EXPECT_TRUE(macros.ReadNames().empty());
}

TEST(DefaultDataFilesTest, ExistingFilesAreNeverOverwritten) {
    TestFolder folder;
    folder.Write("config3.bin", "mine");
    folder.Write("str.ini", "[Profile]\nItemCount=2\n");
    ASSERT_TRUE(WriteDefaultDataFiles(folder.Root()));
    EXPECT_EQ(folder.Read("config3.bin"), "mine");
    EXPECT_EQ(folder.Read("str.ini"), "[Profile]\nItemCount=2\n");
    EXPECT_EQ(folder.Read("config2.bin").size(), kRecordFileSize);
}

}  // namespace
}  // namespace vorlak
