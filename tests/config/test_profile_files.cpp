// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/profile_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include "common/diagnostics.h"
#include "macro/macro_store.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

std::string RecordBytes(Byte flag, Byte fill, std::size_t recordSize = sizeof(MouseConfig)) {
    std::string bytes(1, static_cast<char>(flag));
    bytes.append(recordSize, static_cast<char>(fill));
    return bytes;
}

std::array<std::string, kEntryCount> Labels(std::string_view prefix) {
    std::array<std::string, kEntryCount> labels;
    for (int i = 0; i < kEntryCount; ++i)
        labels[i] = std::string(prefix) + std::to_string(i);
    return labels;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    void WriteList(std::string_view current, std::string_view count,
                   std::initializer_list<std::string_view> names) {
        std::string text = "[Profile]\nCurProfileName=" + std::string(current) +
                           "\nItemCount=" + std::string(count) + "\n";
        int i = 0;
        for (auto name : names)
            text += "Item" + std::to_string(i++) + "=" + std::string(name) + "\n";
        folder.Write("str.ini", text);
    }
    const MouseConfig& Current() const { return store.currentConfig; }
    bool CurrentIsAll(Byte value, std::size_t from = 0, std::size_t to = 1888) const {
        auto bytes = Current().Bytes();
        return std::all_of(bytes.begin() + from, bytes.begin() + to,
                           [value](Byte b) { return b == value; });
    }

    TestFolder folder;
    ConfigStore store;
    ProfileFiles files{DataFolder(folder.Root()), store};
    DiagnosticCapture diagnostics;
};

TEST_F(ProfileFilesTest, CurrentProfileIsFoundByNameInTheList) {
    WriteList("Profile 2", "3", {"Profile 1", "Profile 2", "Profile 3"});
    folder.Write("config1.bin", RecordBytes(7, 0x11));
    EXPECT_TRUE(files.LoadCurrentProfile());
    EXPECT_EQ(store.currentProfileIndex, 1);
    EXPECT_EQ(files.ConfigFilePath(), folder.Path("config1.bin"));
    EXPECT_EQ(files.ProfileSettingsPath(), folder.Path("str1.ini"));
    EXPECT_EQ(files.MacroStorePath(), folder.Path("record.ini"));
    EXPECT_EQ(store.firstRunFlag, 7);
    EXPECT_TRUE(CurrentIsAll(0x11));
    EXPECT_TRUE(diagnostics.Contains("Program First Run Flag:7\nRead Size is: 1888"));
}

TEST_F(ProfileFilesTest, NameMatchIsExactAndTheLastMatchWins) {
    store.currentProfileIndex = 2;
    WriteList("profile 2", "3", {"Profile 1", "Profile 2", "Profile 3"});
    files.LoadCurrentProfile();
    EXPECT_EQ(store.currentProfileIndex, 2);

    WriteList("Same", "3", {"Same", "Other", "Same"});
    files.LoadCurrentProfile();
    EXPECT_EQ(store.currentProfileIndex, 2);
    WriteList("Same", "2", {"Same", "Other"});
    files.LoadCurrentProfile();
    EXPECT_EQ(store.currentProfileIndex, 0);
}

TEST_F(ProfileFilesTest, InvalidCountsLoadNothing) {
    folder.Write("config0.bin", RecordBytes(1, 0x22));
    for (std::string_view count : {"0", "7", "abc", "", "2000000000"}) {
        WriteList("A", count, {"A"});
        EXPECT_FALSE(files.LoadCurrentProfile()) << count;
        EXPECT_TRUE(CurrentIsAll(0)) << count;
        EXPECT_TRUE(files.ConfigFilePath().empty()) << count;
    }
    // A negative count reads no names but still loads the current index's files.
    store.currentProfileIndex = 0;
    WriteList("A", "-3", {"A"});
    EXPECT_TRUE(files.LoadCurrentProfile());
    EXPECT_TRUE(CurrentIsAll(0x22));
}

TEST_F(ProfileFilesTest, RecordFilesOfEverySize) {
    WriteList("A", "1", {"A"});
    struct Case {
        std::size_t fileSize;
        std::size_t recordBytesRead;
    };
    const Case cases[] = {{0, 0},       {1, 0},       {100, 99},        {1888, 1887},
                          {1889, 1888}, {1890, 1888}, {10u << 20, 1888}};
    for (const auto& c : cases) {
        store.currentConfig = MouseConfig{};
        std::memset(&store.currentConfig, 0x77, sizeof(MouseConfig));
        std::string bytes(c.fileSize, '\x33');
        if (!bytes.empty())
            bytes[0] = 1;
        folder.Write("config0.bin", bytes);
        diagnostics.Clear();
        store.firstRunFlag = 9;  // an empty file has no flag byte: the old value stays
        EXPECT_TRUE(files.LoadCurrentProfile()) << c.fileSize;
        EXPECT_TRUE(CurrentIsAll(0x33, 0, c.recordBytesRead)) << c.fileSize;
        EXPECT_TRUE(CurrentIsAll(0x77, c.recordBytesRead)) << c.fileSize;
        std::string flag = c.fileSize == 0 ? "9" : "1";
        EXPECT_TRUE(diagnostics.Contains("Program First Run Flag:" + flag +
                                         "\nRead Size is: " + std::to_string(c.recordBytesRead)))
            << c.fileSize;
    }
}

TEST_F(ProfileFilesTest, MissingOrUnreadableRecordLeavesTheRecord) {
    WriteList("A", "1", {"A"});
    std::memset(&store.currentConfig, 0x44, 328);
    EXPECT_FALSE(files.LoadCurrentProfile());
    EXPECT_TRUE(diagnostics.Contains("Config file is not exist.\n"));
    std::filesystem::create_directory(folder.Path("config0.bin"));
    EXPECT_FALSE(files.LoadCurrentProfile());
    EXPECT_TRUE(CurrentIsAll(0x44, 0, 328));
}

TEST_F(ProfileFilesTest, LoadRebuildsMacroSlotsFromTheStoreEvenWithoutARecord) {
    WriteList("A", "1", {"A"});
    MacroStore macros(folder.Path("record.ini"), [](std::chrono::milliseconds) {});
    macros.WriteNames({"Macro_1"});
    macros.WriteMacro("Macro_1", 1, "2", {"A   Dn", "95 ms", "A   Up"});
    store.currentConfig.macroSlot[0][128] = 0xEE;
    files.LoadCurrentProfile();
    const Byte expected[] = {0x00, 0x02, 0x09, 0x04, 0x81, 0x04, 0x00};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected),
                           store.currentConfig.macroSlot[0].begin()));
    EXPECT_EQ(store.currentConfig.macroSlot[0][128], 0xEE);
}

TEST_F(ProfileFilesTest, DefaultFilesDuringAReset) {
    WriteList("A", "1", {"A"});
    folder.Write("config.bin", RecordBytes(1, 0x55));
    store.useDefaultFiles = 1;
    EXPECT_TRUE(files.LoadCurrentProfile());
    EXPECT_EQ(files.ConfigFilePath(), folder.Path("config.bin"));
    EXPECT_EQ(files.ProfileSettingsPath(), folder.Path("str.ini"));
    EXPECT_TRUE(CurrentIsAll(0x55));
}

TEST_F(ProfileFilesTest, SaveWritesOnlyAnExistingRecordFile) {
    store.currentProfileIndex = 2;
    std::memset(&store.currentConfig, 0x66, sizeof(MouseConfig));
    EXPECT_FALSE(files.SaveCurrentProfile(store.currentConfig));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config2.bin")));
    EXPECT_TRUE(diagnostics.Contains("Config file is not exist.\n"));

    folder.Write("config2.bin", "old");
    EXPECT_TRUE(files.SaveCurrentProfile(store.currentConfig));
    EXPECT_EQ(folder.Read("config2.bin"), RecordBytes(1, 0x66));
    EXPECT_TRUE(diagnostics.Contains("Data num:1 BYTE -1888 BYTE\n Struct size:1888 BYTE"));
    EXPECT_EQ(files.ProfileSettingsPath(), folder.Path("str2.ini"));
}

TEST_F(ProfileFilesTest, AResetSaveMakesAMissingRecordFile) {
    store.currentProfileIndex = 1;
    std::memset(&store.currentConfig, 0x44, sizeof(MouseConfig));
    EXPECT_TRUE(files.SaveCurrentProfile(store.currentConfig, RecordFileRule::MakeIfMissing));
    EXPECT_EQ(folder.Read("config1.bin"), RecordBytes(1, 0x44));
}

TEST_F(ProfileFilesTest, SaveThatCannotWriteReportsAndKeepsTheFolderClean) {
    std::filesystem::create_directory(folder.Path("config0.bin"));
    EXPECT_FALSE(files.SaveCurrentProfile(store.currentConfig));
    ASSERT_EQ(diagnostics.Lines().size(), 1u);
    EXPECT_EQ(diagnostics.Lines()[0].rfind("Error Code is: ", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config0.bin.vorlak-new")));
}

TEST_F(ProfileFilesTest, ProfileSlotLoadsTheStoredRecordAsItIs) {
    store.currentProfileIndex = 0;
    folder.Write("config4.bin", RecordBytes(1, 0x12));
    EXPECT_TRUE(files.LoadProfileSlot(4));
    EXPECT_TRUE(CurrentIsAll(0x12));
    EXPECT_EQ(store.currentProfileIndex, 0);
    EXPECT_EQ(files.ProfileSettingsPath(), folder.Path("str4.ini"));
    EXPECT_FALSE(files.LoadProfileSlot(5));
    EXPECT_TRUE(diagnostics.Contains("Config file is not exist."));
}

TEST_F(ProfileFilesTest, SettingsLabelsPerLanguageSectionAndColours) {
    WriteList("A", "1", {"A"});
    files.LoadCurrentProfile();
    folder.Write("str0.ini",
                 "[Skins]\nLan=DE\nRColor=12\nGColor=34\nBColor=56\n[Setting-EN]\nItem1=Click\n");
    ASSERT_TRUE(files.SaveProfileSettings("Setting-DE", Labels("de")));
    files.LoadProfileSettings("Setting-DE");
    EXPECT_EQ(files.Settings().entryLabel, Labels("de"));
    EXPECT_EQ(files.Settings().rColor, "12");
    EXPECT_EQ(files.Settings().bColor, "56");
    files.LoadProfileSettings("Setting-EN");
    EXPECT_EQ(files.Settings().entryLabel[0], "Click");
    EXPECT_EQ(files.Settings().entryLabel[1], "");
    EXPECT_EQ(ReadIniString(folder.Path("str0.ini"), "Skins", "Lan"), "DE");
}

TEST_F(ProfileFilesTest, ExportWritesRecordAndCompanionSettings) {
    std::memset(&store.currentConfig, 0x09, sizeof(MouseConfig));
    store.currentConfig.profileSlot = 3;
    const ExportOutcome exported =
        files.ExportProfile(folder.Path("MyMouse"), store.currentConfig, "Setting-EN", Labels("l"));
    EXPECT_TRUE(exported.written);
    EXPECT_EQ(exported.record, folder.Path("MyMouse.bin"));
    EXPECT_EQ(exported.settings, folder.Path("MyMouse.ini"));
    std::string record = folder.Read("MyMouse.bin");
    ASSERT_EQ(record.size(), kRecordFileSize);
    EXPECT_EQ(record[0], 1);
    for (int i = 0; i < kEntryCount; ++i) {
        EXPECT_EQ(
            ReadIniString(folder.Path("MyMouse.ini"), "Setting-EN", "Item" + std::to_string(i + 1)),
            "l" + std::to_string(i));
    }
    // The current profile's files stay what they were.
    EXPECT_EQ(files.ConfigFilePath(), std::filesystem::path());
    EXPECT_EQ(files.ProfileSettingsPath(), std::filesystem::path());
}

TEST_F(ProfileFilesTest, ImportAndExportChangeTheFileNameOnlyNotItsFolders) {
    auto elsewhere = folder.Path("backup.bin.d");
    std::filesystem::create_directory(elsewhere);
    EXPECT_TRUE(
        files.ExportProfile(elsewhere / "a.bin", store.currentConfig, "Setting-EN", Labels("x"))
            .written);
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "a.bin"));
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "a.ini"));

    std::memset(&store.currentConfig, 0, sizeof(MouseConfig));
    const ImportOutcome imported = files.ImportProfile(elsewhere / "a.bin", "Setting-EN");
    EXPECT_EQ(imported.result, ImportResult::Imported);
    EXPECT_EQ(files.Settings().entryLabel[13], "x13");
    EXPECT_EQ(imported.record, elsewhere / "a.bin");
    EXPECT_EQ(imported.settings, elsewhere / "a.ini");
}

// Anything that is not a profile file changes nothing: not the record, not the labels. A pipe
// is never opened, so the import cannot block on it.
TEST_F(ProfileFilesTest, ImportsOfNonProfilesChangeNothing) {
    for (const char* name : {"empty", "short", "long", "huge", "folder", "pipe", "locked"})
        folder.Write(std::string(name) + ".ini", "[Setting-EN]\nItem1=imported\n");
    folder.Write("empty.bin", "");
    folder.Write("short.bin", RecordBytes(1, 0x21, 1887));
    folder.Write("long.bin", RecordBytes(1, 0x21, 1889));
    folder.Write("huge.bin", std::string(10 << 20, 'h'));
    std::filesystem::create_directory(folder.Path("folder.bin"));
    ASSERT_EQ(mkfifo(folder.Path("pipe.bin").c_str(), 0600), 0);
    folder.Write("locked.bin", RecordBytes(1, 0x21));
    std::filesystem::permissions(folder.Path("locked.bin"), std::filesystem::perms::none);
    const bool root = geteuid() == 0;  // root reads it anyway
    folder.Write("notes.txt", RecordBytes(1, 0x41));
    const struct {
        const char* name;
        ImportResult result;
        std::uintmax_t size;
    } cases[] = {
        {"notes.txt", ImportResult::NotAProfile, 0},
        {"none.bin", ImportResult::Missing, 0},
        {"empty.bin", ImportResult::WrongSize, 0},
        {"short.bin", ImportResult::WrongSize, 1888},
        {"long.bin", ImportResult::WrongSize, 1890},
        {"huge.bin", ImportResult::WrongSize, 10 << 20},
        {"folder.bin", ImportResult::NotAFile, 0},
        {"pipe.bin", ImportResult::NotAFile, 0},
    };
    for (const auto& c : cases) {
        const ImportOutcome outcome = files.ImportProfile(folder.Path(c.name), "Setting-EN");
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_EQ(outcome.size, c.size) << c.name;
    }
    if (!root) {
        EXPECT_EQ(files.ImportProfile(folder.Path("locked.bin"), "Setting-EN").result,
                  ImportResult::Unreadable);
    }
    EXPECT_TRUE(CurrentIsAll(0));
    EXPECT_EQ(files.Settings().entryLabel[0], "");
}

TEST_F(ProfileFilesTest, AProfileFileIsImportedWhole) {
    const std::filesystem::path odd = folder.Path("Profil ÄÖÜ 配置");
    std::filesystem::create_directory(odd);
    const auto chosen = folder.Write("Profil ÄÖÜ 配置/good.bin", RecordBytes(5, 0x31));
    folder.Write("Profil ÄÖÜ 配置/good.ini", "[Setting-EN]\nItem1=imported\n");
    const ImportOutcome outcome = files.ImportProfile(chosen, "Setting-EN");
    EXPECT_EQ(outcome.result, ImportResult::Imported);
    EXPECT_TRUE(CurrentIsAll(0x31));
    EXPECT_EQ(store.firstRunFlag, 5);
    EXPECT_EQ(files.Settings().entryLabel[0], "imported");
}

}  // namespace
}  // namespace vorlak
