// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "assign/function_catalogue.h"
#include "common/diagnostics.h"
#include "flush_hook.h"
#include "macro/macro_store.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_list.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

std::string RecordBytes(Byte flag, Byte fill, std::size_t recordSize = sizeof(MouseConfig)) {
    std::string bytes(1, static_cast<char>(flag));
    bytes.append(recordSize, static_cast<char>(fill));
    return bytes;
}

// A record of fill bytes over base from byte `from` up to `to`, as a load gives it: with the
// fields outside their values brought to the nearest allowed ones.
MouseConfig AsLoaded(Byte fill, std::size_t from = 0, std::size_t to = sizeof(MouseConfig),
                     MouseConfig base = {}) {
    std::fill(base.Bytes().begin() + from, base.Bytes().begin() + to, fill);
    BringIntoRange(base);
    return base;
}

bool SameBytes(const MouseConfig& a, const MouseConfig& b) {
    return std::ranges::equal(a.Bytes(), b.Bytes());
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
    EXPECT_TRUE(SameBytes(Current(), AsLoaded(0x11)));
    EXPECT_TRUE(diagnostics.Contains("Program First Run Flag:7\nRead Size is: 1888"));
}

// Two entries of one name (made by an older version, or by hand): the number written with the
// name decides, and a number that does not fit the name falls back to the name.
TEST_F(ProfileFilesTest, TheCurrentProfileIsFollowedByItsNumber) {
    const struct {
        const char* item;
        int expected;
    } cases[] = {{"1", 1}, {"0", 0}, {"2", 2}, {"3", 2}, {"", 2}, {"x", 2}, {"-1", 2}};
    for (const auto& c : cases) {
        folder.Write("str.ini", std::string("[Profile]\nCurProfileName=Copy A\nCurProfileItem=") +
                                    c.item +
                                    "\nItemCount=3\nItem0=Copy A\nItem1=Copy A\nItem2=Copy A\n");
        store.currentProfileIndex = 5;
        files.LoadCurrentProfile();
        EXPECT_EQ(store.currentProfileIndex, c.expected) << c.item;
    }
    // The list as the manager and vorlakctl write it reads back to the entry they chose.
    ProfileList list({{"Copy A", {}}, {"Copy A", {}}, {"B", {}}});
    IniFile file;
    list.WriteTo(file, 1);
    folder.Write("str.ini", file.Serialize());
    files.LoadCurrentProfile();
    EXPECT_EQ(store.currentProfileIndex, 1);
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
    folder.Write("config0.bin", RecordBytes(1, 0x01));
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
    EXPECT_TRUE(CurrentIsAll(0x01));
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
        EXPECT_TRUE(SameBytes(Current(), AsLoaded(0x33, 0, c.recordBytesRead, AsLoaded(0x77))))
            << c.fileSize;
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
    EXPECT_TRUE(SameBytes(Current(), AsLoaded(0x55)));
}

// A stored record with fields outside their values is shown, sent and handed to the desktop
// only with each such field at its nearest allowed value, and the load names the fields.
TEST_F(ProfileFilesTest, AStoredRecordIsBroughtIntoRangeAndTheFieldsAreNamed) {
    WriteList("A", "1", {"A"});
    MouseConfig record = DefaultRecord();
    record.sensitivityX = 71;
    record.lightMode = 210;
    record.doubleClickStep = 255;
    folder.Write("config0.bin", RecordFileBytes(record));
    ASSERT_TRUE(files.LoadCurrentProfile());
    EXPECT_EQ(Current().sensitivityX, 11);
    EXPECT_EQ(Current().lightMode, 4);
    EXPECT_EQ(Current().doubleClickStep, 11);
    EXPECT_EQ(files.Repaired(),
              (std::vector<RecordField>{{RecordFieldKind::LightMode, 0, 210, 4},
                                        {RecordFieldKind::DoubleClickStep, 0, 255, 11},
                                        {RecordFieldKind::SensitivityX, 0, 71, 11}}));
    // The file itself is left for the next save; a record in range reads unchanged.
    EXPECT_EQ(folder.Read("config0.bin"), RecordFileBytes(record));
    folder.Write("config0.bin", RecordFileBytes(DefaultRecord()));
    ASSERT_TRUE(files.LoadProfileSlot(0));
    EXPECT_TRUE(files.Repaired().empty());
    EXPECT_TRUE(SameBytes(Current(), DefaultRecord()));
}

TEST_F(ProfileFilesTest, SaveWritesTheLabelsAndOnlyAnExistingRecordFile) {
    store.currentProfileIndex = 2;
    std::memset(&store.currentConfig, 0x66, sizeof(MouseConfig));
    ProfileSaveResult saved = files.SaveProfile(store.currentConfig, "Setting-EN", Labels("a"));
    EXPECT_FALSE(saved.recordSaved);
    EXPECT_TRUE(saved.labelsSaved);
    EXPECT_EQ(saved.failure.file, folder.Path("config2.bin"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config2.bin")));
    EXPECT_TRUE(diagnostics.Contains("Config file is not exist.\n"));
    EXPECT_EQ(ReadIniString(folder.Path("str2.ini"), "Setting-EN", "Item14"), "a13");

    folder.Write("config2.bin", "old");
    saved = files.SaveProfile(store.currentConfig, "Setting-EN", Labels("b"));
    EXPECT_TRUE(saved.Whole());
    EXPECT_EQ(folder.Read("config2.bin"), RecordBytes(1, 0x66));
    EXPECT_EQ(ReadIniString(folder.Path("str2.ini"), "Setting-EN", "Item1"), "b0");
    EXPECT_TRUE(diagnostics.Contains("Data num:1 BYTE -1888 BYTE\n Struct size:1888 BYTE"));
    EXPECT_EQ(files.ProfileSettingsPath(), folder.Path("str2.ini"));
}

TEST_F(ProfileFilesTest, AResetSaveMakesAMissingRecordFile) {
    store.currentProfileIndex = 1;
    std::memset(&store.currentConfig, 0x44, sizeof(MouseConfig));
    EXPECT_TRUE(files
                    .SaveProfile(store.currentConfig, "Setting-EN", Labels("r"),
                                 RecordFileRule::MakeIfMissing)
                    .Whole());
    EXPECT_EQ(folder.Read("config1.bin"), RecordBytes(1, 0x44));
}

// The record and its labels are one save: both are written or neither, and a second rename
// that fails is named as the part not saved. Each case puts something in the way of one step.
TEST_F(ProfileFilesTest, ASaveWritesBothFilesOrNeitherOrSaysWhichPart) {
    const auto folderAt = [](const std::filesystem::path& path) {
        std::filesystem::remove(path);
        std::filesystem::create_directories(path / "x");
    };
    struct Case {
        const char* what;
        std::function<void(const TestFolder&)> before;
        // Runs when this staged file is flushed, after every file was staged.
        const char* atFlushOf;
        std::function<void(const TestFolder&)> atFlush;
        bool recordSaved, labelsSaved;
        const char* failed;
    };
    const std::vector<Case> cases = {
        {"the labels cannot be staged",
         [](const TestFolder& f) {
             std::filesystem::create_directory(f.Path("str0.ini.vorlak-new"));
         },
         "",
         {},
         false,
         false,
         "str0.ini"},
        {"the labels file cannot be read",
         [](const TestFolder& f) {
             f.Write("str0.ini", std::string(IniFile::kMaxFileBytes + 1, 'x'));
         },
         "",
         {},
         false,
         false,
         "str0.ini"},
        {"the record cannot be renamed into place", [](const TestFolder&) {}, "str0.ini.vorlak-new",
         [&](const TestFolder& f) { folderAt(f.Path("config0.bin")); }, false, false,
         "config0.bin"},
        {"the labels cannot be renamed into place after the record", [](const TestFolder&) {},
         "str0.ini.vorlak-new", [&](const TestFolder& f) { folderAt(f.Path("str0.ini")); }, true,
         false, "str0.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder f;
        ProfileFiles inFolder(DataFolder(f.Root()), store);
        f.Write("config0.bin", "old");
        f.Write("str0.ini", "[Setting-EN]\nItem1=old\n");
        c.before(f);
        FlushHook hook([&](const std::filesystem::path& path) {
            if (path.filename() == c.atFlushOf)
                c.atFlush(f);
        });
        store.currentProfileIndex = 0;
        const ProfileSaveResult saved =
            inFolder.SaveProfile(DefaultRecord(), "Setting-EN", Labels("new"));
        EXPECT_EQ(saved.recordSaved, c.recordSaved);
        EXPECT_EQ(saved.labelsSaved, c.labelsSaved);
        EXPECT_EQ(saved.failure.file, f.Path(c.failed));
        EXPECT_FALSE(saved.failure.reason.empty());
        if (c.recordSaved) {
            EXPECT_EQ(f.Read("config0.bin"), RecordFileBytes(DefaultRecord()));
        } else if (std::filesystem::is_regular_file(f.Path("config0.bin"))) {
            EXPECT_EQ(f.Read("config0.bin"), "old");
        }
        EXPECT_FALSE(std::filesystem::exists(f.Path("config0.bin.vorlak-new")));
        EXPECT_FALSE(std::filesystem::is_regular_file(f.Path("str0.ini.vorlak-new")));
    }
}

// While a renumbering is unfinished its files are half moved: nothing is read or saved.
TEST_F(ProfileFilesTest, NothingIsReadOrSavedWhileARenumberingIsUnfinished) {
    WriteList("A", "1", {"A"});
    folder.Write("config0.bin", RecordFileBytes(DefaultRecord()));
    folder.Write(std::string(kProfileJournalFile), "config0.bin\n");
    EXPECT_TRUE(files.RenumberingUnfinished());
    EXPECT_FALSE(files.LoadCurrentProfile());
    EXPECT_FALSE(files.LoadProfileSlot(0));
    EXPECT_TRUE(CurrentIsAll(0));
    const ProfileSaveResult saved = files.SaveProfile(DefaultRecord(), "Setting-EN", Labels("x"));
    EXPECT_TRUE(saved.blocked);
    EXPECT_FALSE(saved.recordSaved || saved.labelsSaved);
    EXPECT_EQ(saved.failure.file, folder.Path(kProfileJournalFile));
    EXPECT_FALSE(files.SaveProfileSettings("Setting-EN", Labels("x")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("str0.ini")));
    EXPECT_EQ(folder.Read("config0.bin"), RecordFileBytes(DefaultRecord()));
}

TEST_F(ProfileFilesTest, ProfileSlotLoadsTheStoredRecordAsItIs) {
    store.currentProfileIndex = 0;
    folder.Write("config4.bin", RecordBytes(1, 0x01));
    EXPECT_TRUE(files.LoadProfileSlot(4));
    EXPECT_TRUE(CurrentIsAll(0x01));
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

// Export writes both files or says which could not be, with the system's reason; a name that
// is no file name (an empty one) is refused before anything is written.
TEST_F(ProfileFilesTest, AnExportThatCannotWriteSaysWhichFileAndWhy) {
    std::filesystem::create_directories(folder.Path("out/taken.ini/x"));
    ExportOutcome exported =
        files.ExportProfile(folder.Path("out/taken"), DefaultRecord(), "Setting-EN", Labels("l"));
    EXPECT_FALSE(exported.written);
    EXPECT_EQ(exported.failure.file, folder.Path("out/taken.ini"));
    EXPECT_FALSE(exported.failure.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out/taken.bin")));

    exported =
        files.ExportProfile(folder.Path("missing/a"), DefaultRecord(), "Setting-EN", Labels("l"));
    EXPECT_FALSE(exported.written);
    EXPECT_EQ(exported.failure.reason, "No such file or directory");

    exported = files.ExportProfile(folder.Root() / "", DefaultRecord(), "Setting-EN", Labels("l"));
    EXPECT_FALSE(exported.written);
    EXPECT_FALSE(std::filesystem::exists(folder.Path(".bin")));
    EXPECT_FALSE(std::filesystem::exists(folder.Path(".ini")));
}

// A file of random bytes, or one field outside its values, is refused with the field named;
// the values only the mouse or another program writes are taken.
TEST_F(ProfileFilesTest, AnImportWithAFieldOutsideItsValuesIsRefusedWithTheField) {
    MouseConfig tilted = DefaultRecord();
    tilted.lightMode = 4;
    tilted.KeyFunction[2] = 15;  // left tilt, only from stored profiles
    folder.Write("tilted.bin", RecordFileBytes(tilted));
    EXPECT_EQ(files.ImportProfile(folder.Path("tilted.bin"), "Setting-EN").result,
              ImportResult::Imported);
    EXPECT_TRUE(SameBytes(Current(), tilted));

    store.currentConfig = DefaultRecord();
    MouseConfig bad = DefaultRecord();
    bad.sensitivityX = 71;
    bad.KeyFunction[3] = kFnMacro;
    bad.KeyMacroIndex[3] = 12;
    folder.Write("bad.bin", RecordFileBytes(bad));
    const ImportOutcome outcome = files.ImportProfile(folder.Path("bad.bin"), "Setting-EN");
    EXPECT_EQ(outcome.result, ImportResult::OutOfRange);
    EXPECT_EQ(outcome.fields, (std::vector<RecordField>{{RecordFieldKind::SensitivityX, 0, 71, 11},
                                                        {RecordFieldKind::EntryMacro, 3, 12, 11}}));
    EXPECT_TRUE(SameBytes(Current(), DefaultRecord()));

    std::string random(kRecordFileSize, '\0');
    std::uint32_t state = 1889;
    for (char& c : random)
        c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    folder.Write("random.bin", random);
    EXPECT_EQ(files.ImportProfile(folder.Path("random.bin"), "Setting-EN").result,
              ImportResult::OutOfRange);
    EXPECT_TRUE(SameBytes(Current(), DefaultRecord()));
}

TEST_F(ProfileFilesTest, ImportAndExportChangeTheFileNameOnlyNotItsFolders) {
    auto elsewhere = folder.Path("backup.bin.d");
    std::filesystem::create_directory(elsewhere);
    store.currentConfig = DefaultRecord();
    EXPECT_TRUE(
        files.ExportProfile(elsewhere / "a.bin", store.currentConfig, "Setting-EN", Labels("x"))
            .written);
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "a.bin"));
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "a.ini"));

    store.currentConfig = MouseConfig{};
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

// The reader of imports reads a record file of any name for vorlakctl show, and leaves the
// current profile alone; a file it cannot read comes with the system's reason.
TEST_F(ProfileFilesTest, AWholeRecordIsReadFromAFileOfAnyName) {
    const auto path = folder.Write("record.dat", RecordBytes(3, 0x44));
    const WholeRecord read = ReadWholeRecord(path);
    EXPECT_EQ(read.result, RecordRead::Read);
    EXPECT_EQ(read.size, kRecordFileSize);
    EXPECT_EQ(read.flag, 3);
    EXPECT_TRUE(std::ranges::all_of(read.record.Bytes(), [](Byte b) { return b == 0x44; }));
    EXPECT_TRUE(CurrentIsAll(0));

    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (geteuid() != 0) {  // root reads it anyway
        const WholeRecord locked = ReadWholeRecord(path);
        EXPECT_EQ(locked.result, RecordRead::Unreadable);
        EXPECT_EQ(locked.error, std::errc::permission_denied);
    }
}

TEST_F(ProfileFilesTest, AProfileFileIsImportedWhole) {
    const std::filesystem::path odd = folder.Path("Profil ÄÖÜ 配置");
    std::filesystem::create_directory(odd);
    const auto chosen = folder.Write("Profil ÄÖÜ 配置/good.bin", RecordBytes(5, 0x01));
    folder.Write("Profil ÄÖÜ 配置/good.ini", "[Setting-EN]\nItem1=imported\n");
    const ImportOutcome outcome = files.ImportProfile(chosen, "Setting-EN");
    EXPECT_EQ(outcome.result, ImportResult::Imported);
    EXPECT_TRUE(CurrentIsAll(0x01));
    EXPECT_EQ(store.firstRunFlag, 5);
    EXPECT_EQ(files.Settings().entryLabel[0], "imported");
}

}  // namespace
}  // namespace vorlak
