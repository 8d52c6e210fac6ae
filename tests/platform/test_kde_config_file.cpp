// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/kde_config_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "common/atomic_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

const KdeGroupPath kDevice{"Libinput", "1241", "41320", "USB Gaming Mouse"};

// A kcminputrc as Plasma leaves it: other groups, another mouse, a localized key, a comment.
constexpr const char* kInput =
    "# written by Plasma\n"
    "[Keyboard]\n"
    "NumLock=0\n"
    "\n"
    "[Libinput][1133][49291][Logitech G502]\n"
    "PointerAcceleration=0.600\n"
    "PointerAccelerationProfile=2\n"
    "\n"
    "[Libinput][1241][41320][USB Gaming Mouse]\n"
    "NaturalScroll=false\n"
    "PointerAcceleration[de]=localized stays\n"
    "PointerAcceleration=-0.200\n"
    "\n"
    "[Mouse]\n"
    "cursorTheme=breeze_cursors\n";

TEST(KdeConfigFileTest, SetsAKeyInItsGroupAndKeepsEveryOtherLine) {
    KdeConfigFile file = KdeConfigFile::FromText(kInput);
    ASSERT_TRUE(file.Set(kDevice, "PointerAcceleration", "0.400"));
    ASSERT_TRUE(file.Set(kDevice, "PointerAccelerationProfile", "1"));
    const std::string expected =
        "# written by Plasma\n"
        "[Keyboard]\n"
        "NumLock=0\n"
        "\n"
        "[Libinput][1133][49291][Logitech G502]\n"
        "PointerAcceleration=0.600\n"
        "PointerAccelerationProfile=2\n"
        "\n"
        "[Libinput][1241][41320][USB Gaming Mouse]\n"
        "NaturalScroll=false\n"
        "PointerAcceleration[de]=localized stays\n"
        "PointerAcceleration=0.400\n"
        "PointerAccelerationProfile=1\n"
        "\n"
        "[Mouse]\n"
        "cursorTheme=breeze_cursors\n";
    EXPECT_EQ(file.Text(), expected);
    // Read back as KDE reads it; the other mouse keeps its values.
    const KdeConfigFile reread = KdeConfigFile::FromText(file.Text());
    EXPECT_EQ(reread.Get(kDevice, "PointerAcceleration"), "0.400");
    EXPECT_EQ(reread.Get(kDevice, "PointerAccelerationProfile"), "1");
    EXPECT_EQ(reread.Get({"Libinput", "1133", "49291", "Logitech G502"}, "PointerAcceleration"),
              "0.600");
    EXPECT_EQ(reread.Get({"Keyboard"}, "NumLock"), "0");
}

TEST(KdeConfigFileTest, ANewGroupGoesAtTheEndWithItsNameEscaped) {
    KdeConfigFile file = KdeConfigFile::FromText("[KDE]\nSingleClick=false");
    const KdeGroupPath odd{"Libinput", "1241", "41320", "Mouse [Rev 2]\\x"};
    ASSERT_TRUE(file.Set(odd, "PointerAcceleration", "0.000"));
    ASSERT_TRUE(file.Set({"KDE"}, "DoubleClickInterval", "200"));
    EXPECT_EQ(file.Text(),
              "[KDE]\nSingleClick=false\nDoubleClickInterval=200\n\n"
              "[Libinput][1241][41320][Mouse \\x5bRev 2\\x5d\\\\x]\nPointerAcceleration=0.000\n");
    EXPECT_EQ(KdeConfigFile::FromText(file.Text()).Get(odd, "PointerAcceleration"), "0.000");
}

TEST(KdeConfigFileTest, ValuesAreEscapedAsKdeWritesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"},      {" lead", "\\slead"},          {"trail ", "trail\\s"},
        {"a\\b", "a\\\\b"},      {"two\nlines", "two\\nlines"}, {"tab\there", "tab\\there"},
        {"bell\a", "bell\\x07"},
    };
    for (const auto& [value, written] : cases) {
        EXPECT_EQ(EscapeKdeValue(value), written);
        EXPECT_EQ(UnescapeKde(written), value);
    }
}

// An administrator's lock ([$i]) on the file, the group or the entry is kept.
TEST(KdeConfigFileTest, LockedFilesGroupsAndEntriesAreNotWritten) {
    const char* locked[] = {
        "[$i]\n[KDE]\nDoubleClickInterval=400\n",
        "[KDE][$i]\nDoubleClickInterval=400\n",
        "[KDE]\nDoubleClickInterval[$i]=400\n",
    };
    for (const char* text : locked) {
        KdeConfigFile file = KdeConfigFile::FromText(text);
        EXPECT_FALSE(file.Set({"KDE"}, "DoubleClickInterval", "200")) << text;
        EXPECT_EQ(file.Text(), text);
    }
    KdeConfigFile other = KdeConfigFile::FromText("[KDE][$i]\nA=1\n[General]\nB=2\n");
    EXPECT_TRUE(other.Set({"General"}, "B", "3"));
}

TEST(KdeConfigFileTest, WritesReplaceTheFileWholeKeepingItsModeAndLink) {
    TestFolder folder;
    const auto real = folder.Root() / "dotfiles" / "kdeglobals";
    std::filesystem::create_directories(real.parent_path());
    std::ofstream(real) << "[General]\nColorScheme=BreezeDark\n";
    std::filesystem::permissions(
        real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const auto link = folder.Root() / "kdeglobals";
    std::filesystem::create_symlink(real, link);

    EXPECT_EQ(WriteKdeEntries(link, {{{"KDE"}, "WheelScrollLines", "7"}}), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(real, 4096),
              "[General]\nColorScheme=BreezeDark\n\n[KDE]\nWheelScrollLines=7\n");
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(real.parent_path()), {}), 1);

    // A missing file is created.
    EXPECT_EQ(WriteKdeEntries(folder.Root() / "kcminputrc", {{{"Mouse"}, "A", "1"}}), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder.Root() / "kcminputrc", 4096), "[Mouse]\nA=1\n");
}

TEST(KdeConfigFileTest, AFileThatCannotBeReadIsNeverWritten) {
    TestFolder folder;
    const auto big = folder.Root() / "kdeglobals";
    std::ofstream(big) << std::string((4u << 20) + 10, '#');
    const auto problem = WriteKdeEntries(big, {{{"KDE"}, "WheelScrollLines", "7"}});
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("larger"), std::string::npos) << *problem;
    EXPECT_EQ(std::filesystem::file_size(big), (4u << 20) + 10);

    const auto folderInstead = folder.Root() / "kcminputrc";
    std::filesystem::create_directory(folderInstead);
    EXPECT_TRUE(WriteKdeEntries(folderInstead, {{{"Mouse"}, "A", "1"}}));
}

}  // namespace
}  // namespace vorlak
