// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/ini_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "common/diagnostics.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using namespace std::string_literals;

// UTF-16LE bytes with BOM of a text made of code units.
std::string Utf16(std::u16string_view units) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct ReadCase {
    const char* what;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(IniFileTest, ReadsValuesAsThePrivateProfileFunctions) {
    const std::vector<ReadCase> cases = {
        {"blanks trimmed", "[s]\n  k \t=  \t v w \t\n", "s", "k", "v w"},
        {"double quotes", "[s]\nk= \" a \" \n", "s", "k", " a "},
        {"single quotes", "[s]\nk='x'\n", "s", "k", "x"},
        {"one pair only", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
        {"mismatched quotes", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
        {"lone quote", "[s]\nk=\"\n", "s", "k", "\""},
        {"empty quotes", "[s]\nk=''\n", "s", "k", ""},
        {"equals in value", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"NUL in value", "[s]\nk=a\0b\n"s, "s", "k", "a\0b"s},
        {"names ignore case", "[SeCt]\nMyKEY=1\n", "sECT", "mykey", "1"},
        {"blank names trimmed", "[s]\n my key =1\n", " s ", " MY KEY ", "1"},
        {"empty key", "[s]\n=v\n", "s", "", "v"},
        {"missing key", "[s]\nk=1\n", "s", "j", ""},
        {"missing section", "[s]\nk=1\n", "t", "k", ""},
        {"first duplicate key", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"first duplicate section", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "k", "1"},
        {"only the first section", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "j", ""},
        {"header blanks and tail", "  [  s  ] junk\nk=1\n", "s", "k", "1"},
        {"header up to first ]", "[a]b]\nk=1\n", "a", "k", "1"},
        {"empty section name", "[]\nk=1\n", "", "k", "1"},
        {"unterminated header is no section", "[s]\n[t\nk=1\n", "t", "k", ""},
        {"unterminated header keeps section", "[s]\n[t\nk=1\n", "s", "k", "1"},
        {"unterminated header with =", "[s]\n[t=5\n", "s", "[t", "5"},
        {"comment line", "[s]\n;k=1\n", "s", ";k", ""},
        {"indented comment", "[s]\n  ; k=1\n", "s", "; k", ""},
        {"lines before sections", "k=1\n[s]\n", "", "k", ""},
        {"line without =", "[s]\njunk\nk=1\n", "s", "k", "1"},
        {"CRLF", "[s]\r\nk=1\r\nj=2\r\n", "s", "j", "2"},
        {"lone CR", "[s]\rk=1\rj=2", "s", "j", "2"},
        {"mixed", "[s]\r\nk=1\nj=2\rl=3\r\n", "s", "l", "3"},
        {"UTF-8 BOM", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "1"},
        {"UTF-8 name", "[Größe]\nWert=ä\n", "Größe", "wert", "ä"},
        {"UTF-16LE", Utf16(u"[s]\r\nk=Gr\u00F6\u00DFe \U0001F600\r\n"), "s", "k",
         "Größe \xF0\x9F\x98\x80"},
        {"UTF-16LE lone CR", Utf16(u"[s]\rk=1"), "s", "k", "1"},
        {"invalid UTF-8 passes", "[s]\nk=\xFF\xC3\n", "s", "k", "\xFF\xC3"},
    };
    for (const ReadCase& c : cases) {
        IniFile file = IniFile::Parse(c.file);
        EXPECT_EQ(file.Get(c.section, c.key), c.expected) << c.what;
    }
}

TEST(IniFileTest, ValuesAreCutAt1023Characters) {
    const std::string euro = "\xE2\x82\xAC";
    struct CutCase {
        std::string value;
        std::string expected;
    };
    const std::vector<CutCase> cases = {
        {Repeat("a", 2000), Repeat("a", 1023)},
        {Repeat("a", 1023), Repeat("a", 1023)},
        {"\"" + Repeat("a", 1023) + "\"", Repeat("a", 1023)},
        {Repeat("é", 1100), Repeat("é", 1023)},
        {Repeat("a", 1022) + euro + euro, Repeat("a", 1022) + euro},
        {Repeat("\xFF", 1100), Repeat("\xFF", 1023)},
        {Repeat("a", 1022) + "\xE2\x82", Repeat("a", 1022) + "\xE2"},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(IniFile::Parse("[s]\nk=" + c.value + "\n").Get("s", "k"), c.expected);
    }
}

TEST(IniFileTest, ListsSectionsAndKeysInFileOrderOnce) {
    IniFile file =
        IniFile::Parse("top=1\n[B]\nx=1\n;c=2\nY=2\nx=3\ny=4\n[a]\n[b]\nz=1\n[t\n[ c ]\n=e\n");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"B", "a", "c"}));
    EXPECT_EQ(file.KeyNames("b"), (std::vector<std::string>{"x", "Y"}));
    EXPECT_EQ(file.KeyNames("a"), std::vector<std::string>{});
    EXPECT_EQ(file.KeyNames("C"), std::vector<std::string>{""});
    EXPECT_EQ(file.KeyNames("missing"), std::vector<std::string>{});
    EXPECT_TRUE(file.HasSection(" A "));
    EXPECT_FALSE(file.HasSection("t"));
}

struct EditCase {
    const char* what;
    std::string file;
    std::function<void(IniFile&)> edit;
    std::string expected;
};

TEST(IniFileTest, EditsChangeOnlyTheirLines) {
    const std::vector<EditCase> cases = {
        {"update in place keeps every other byte",
         "; head \x01\r\n[a]\r\n  Key \t= old ; c\r\nx=1\r\n\r\n[b]\r\nkey=2\r\n",
         [](IniFile& f) { f.Set("A", "KEY", "new"); },
         "; head \x01\r\n[a]\r\n  Key \t=new\r\nx=1\r\n\r\n[b]\r\nkey=2\r\n"},
        {"update the first duplicate", "[s]\nk=1\nk=2\n[s]\nk=3\n",
         [](IniFile& f) { f.Set("s", "k", "9"); }, "[s]\nk=9\nk=2\n[s]\nk=3\n"},
        {"append after the last key, before blank lines", "[a]\nk=1\n;c\n\n[b]\nk=2\n",
         [](IniFile& f) {
             f.Set("a", "j", "3");
             f.Set("a", "l", "4");
         },
         "[a]\nk=1\nj=3\nl=4\n;c\n\n[b]\nk=2\n"},
        {"append to a section without keys", "[a]\n; c\n[b]\n",
         [](IniFile& f) { f.Set("a", "j", "3"); }, "[a]\nj=3\n; c\n[b]\n"},
        {"new section at the end in the first line end style", "[a]\r\nk=1\n",
         [](IniFile& f) { f.Set("b", "k", "2"); }, "[a]\r\nk=1\n[b]\r\nk=2\r\n"},
        {"lone CR style", "[a]\rk=1\r", [](IniFile& f) { f.Set("a", "j", "2"); },
         "[a]\rk=1\rj=2\r"},
        {"append after a last line without line end", "[a]\nk=1",
         [](IniFile& f) {
             f.Set("a", "j", "2");
             f.Set("b", "k", "3");
         },
         "[a]\nk=1\nj=2\n[b]\nk=3\n"},
        {"new section after a header without line end", "x\n[a]",
         [](IniFile& f) { f.Set("b", "k", "3"); }, "x\n[a]\n[b]\nk=3\n"},
        {"empty document", "", [](IniFile& f) { f.Set(" s ", " k ", "v"); }, "[s]\nk=v\n"},
        {"preamble only", "top", [](IniFile& f) { f.Set("s", "k", "v"); }, "top\n[s]\nk=v\n"},
        {"value cut at the first line break", "[s]\nk=1\n",
         [](IniFile& f) {
             f.Set("s", "k", "a\r\nb");
             f.Set("s", "j", "c\rd");
         },
         "[s]\nk=a\nj=c\n"},
        {"refused names change nothing", "[s]\nk=1\n",
         [](IniFile& f) {
             for (const char* section : {"a]b", "a\nb", "a\rb"})
                 f.Set(section, "k", "v");
             for (const char* key : {"a=b", "a\nb", ";k", "[k", "[k]"})
                 f.Set("s", key, "v");
         },
         "[s]\nk=1\n"},
        {"remove every section of the name", "x\n[a]\nk=1\n[B]\nk=2\n\n[b]\nk=3\n[c]\nk=4\n",
         [](IniFile& f) { f.RemoveSection(" b "); }, "x\n[a]\nk=1\n[c]\nk=4\n"},
        {"remove the last section, then write it anew", "[a]\nk=1\n[b]\nk=2\n",
         [](IniFile& f) {
             f.RemoveSection("b");
             f.RemoveSection("missing");
             f.Set("b", "j", "5");
         },
         "[a]\nk=1\n[b]\nj=5\n"},
    };
    for (const EditCase& c : cases) {
        IniFile file = IniFile::Parse(c.file);
        c.edit(file);
        EXPECT_EQ(file.Serialize(), c.expected) << c.what;
        EXPECT_EQ(IniFile::Parse(file.Serialize()).Serialize(), c.expected) << c.what;
    }
}

// Values that a read would trim or unquote are written in quotes, so they read back whole.
TEST(IniFileTest, WrittenValuesReadBackAsWritten) {
    IniFile file;
    file.Set("s", "quoted", "  'q'  ");
    file.Set("s", "label", "Scroll ");
    file.Set("s", "pair", "\"x\"");
    file.Set("s", "long", Repeat("x", 1500));
    file.Set("s", "plain", "a b");
    EXPECT_NE(file.Serialize().find("label=\"Scroll \"\n"), std::string::npos);
    EXPECT_NE(file.Serialize().find("plain=a b\n"), std::string::npos);
    for (const IniFile& f : {file, IniFile::Parse(file.Serialize())}) {
        EXPECT_EQ(f.Get("s", "quoted"), "  'q'  ");
        EXPECT_EQ(f.Get("s", "label"), "Scroll ");
        EXPECT_EQ(f.Get("s", "pair"), "\"x\"");
        EXPECT_EQ(f.Get("s", "long"), Repeat("x", 1023));
        EXPECT_EQ(f.Get("S", "PLAIN"), "a b");
    }
}

TEST(IniFileTest, UnchangedDocumentSerializesToItsBytes) {
    const std::vector<std::string> files = {
        "",
        "\n\r\n\r",
        "; only a comment",
        "\xEF\xBB\xBF[s]\r\nk = v \r\n",
        "junk\0\xFF\xFE\x80[\n[s\n]\n=\n[a]]]\r\r\n\n"s,
        Utf16(u"[s]\r\nk=\u00E4\U0001F600\n"),
        Utf16(u"[s]\nk=\xD800 lone high\n\xDC00 lone low\xD800"),
        Utf16(u"odd") + "\x41",
        "\xFF\xFE",
        "\xFF",
    };
    for (const std::string& bytes : files) {
        EXPECT_EQ(IniFile::Parse(bytes).Serialize(), bytes);
    }
}

TEST(IniFileTest, WritesKeepTheEncodingFound) {
    IniFile withBom = IniFile::Parse("\xEF\xBB\xBF[s]\nk=1\n");
    withBom.Set("s", "k", "ü");
    EXPECT_EQ(withBom.Serialize(), "\xEF\xBB\xBF[s]\nk=ü\n");

    IniFile wide = IniFile::Parse(Utf16(u"[s]\r\nk=1\r\n"));
    wide.Set("s", "k", "Größe \xF0\x9F\x98\x80");
    wide.Set("t", "j", "2");
    EXPECT_EQ(wide.Serialize(), Utf16(u"[s]\r\nk=Gr\u00F6\u00DFe \U0001F600\r\n[t]\r\nj=2\r\n"));

    IniFile invalid = IniFile::Parse(Utf16(u"[s]\n"));
    invalid.Set("s", "k", "\xFF");
    EXPECT_EQ(invalid.Serialize(), Utf16(u"[s]\nk=\uFFFD\n"));
    EXPECT_EQ(invalid.Get("s", "k"), "\uFFFD");
}

TEST(IniFileTest, BadInputIsReadWithoutHarm) {
    const std::string longLine = "[s]\nk=" + Repeat("v", 1 << 20) + "\n" + Repeat("x", 1 << 20);
    EXPECT_EQ(IniFile::Parse(longLine).Get("s", "k"), Repeat("v", 1023));

    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += "[s" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    IniFile file = IniFile::Parse(many);
    EXPECT_EQ(file.SectionNames().size(), 20000u);
    for (int i = 0; i < 2000; ++i)
        file.Set("s19999", "n" + std::to_string(i), "1");
    EXPECT_EQ(file.Get("S19999", "k"), "19999");
    EXPECT_EQ(file.KeyNames("s19999").size(), 2001u);

    const std::string junk = "\0\0[\0]\0=\0\n\xC0\xAF[="s + "\x01\x02\x03[unterminated";
    IniFile damaged = IniFile::Parse(junk);
    EXPECT_EQ(damaged.Serialize(), junk);
    damaged.Set("\0"s, "k", "v");
    EXPECT_EQ(IniFile::Parse(damaged.Serialize()).Get("\0"s, "k"), "v");
}

TEST(IniFileTest, CopiesAreIndependent) {
    IniFile original = IniFile::Parse("[s]\nk=1\n");
    IniFile copy = original;
    copy.Set("s", "k", "2");
    IniFile moved = std::move(copy);
    EXPECT_EQ(original.Get("s", "k"), "1");
    EXPECT_EQ(moved.Get("s", "k"), "2");
}

class IniFileOnDiskTest : public ::testing::Test {
protected:
    TestFolder folder_;
    DiagnosticCapture diagnostics_;
};

TEST_F(IniFileOnDiskTest, MissingFileIsCreatedAsUtf8WithLf) {
    auto path = folder_.Path("new.ini");
    IniFile file = IniFile::Open(path);
    EXPECT_FALSE(file.FileExisted());
    EXPECT_EQ(file.Path(), path);
    file.Set("s", "k", "v");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(folder_.Read("new.ini"), "[s]\nk=v\n");
    EXPECT_TRUE(IniFile::Open(path).FileExisted());
}

TEST_F(IniFileOnDiskTest, ParsedDocumentCannotBeSaved) {
    EXPECT_FALSE(IniFile::Parse("[s]\n").Save());
    EXPECT_FALSE(IniFile().Save());
    EXPECT_FALSE(diagnostics_.Lines().empty());
}

TEST_F(IniFileOnDiskTest, FailedSaveLeavesTheOldFile) {
    auto path = folder_.Write("a.ini", "[s]\nk=old\n");
    // A directory in the way of the temporary file makes the write fail, even for root.
    std::filesystem::create_directory(folder_.Path("a.ini.vorlak-new"));
    IniFile file = IniFile::Open(path);
    file.Set("s", "k", "new");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(folder_.Read("a.ini"), "[s]\nk=old\n");
    ASSERT_EQ(diagnostics_.Lines().size(), 1u);
    EXPECT_TRUE(diagnostics_.Lines()[0].starts_with("Cannot write " + path.string() + ": "));
}

TEST_F(IniFileOnDiskTest, SaveIntoReadOnlyFolderFails) {
    auto path = folder_.Write("a.ini", "[s]\nk=old\n");
    namespace fs = std::filesystem;
    fs::permissions(folder_.Root(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool enforced = !std::ofstream(folder_.Path("probe")).is_open();
    if (enforced) {
        EXPECT_FALSE(WriteIniString(path, "s", "k", "new"));
    }
    fs::permissions(folder_.Root(), fs::perms::owner_all);
    if (!enforced)
        GTEST_SKIP() << "folder permissions are not enforced for this user";
    EXPECT_EQ(folder_.Read("a.ini"), "[s]\nk=old\n");
}

TEST_F(IniFileOnDiskTest, StaleTemporaryFileDoesNotBreakTheSave) {
    auto path = folder_.Write("a.ini", "[s]\nk=old\n");
    folder_.Write("a.ini.vorlak-new", "[s]\nk=half a fi");
    ASSERT_TRUE(WriteIniString(path, "s", "k", "new"));
    EXPECT_EQ(folder_.Read("a.ini"), "[s]\nk=new\n");
    EXPECT_FALSE(std::filesystem::exists(folder_.Path("a.ini.vorlak-new")));
}

TEST_F(IniFileOnDiskTest, HugeFileReadsEmptyAndIsNeverOverwritten) {
    auto path = folder_.Write("huge.ini", "[s]\nk=1\n");
    const auto size = std::uintmax_t{IniFile::kMaxFileBytes} + 1;
    std::filesystem::resize_file(path, size);
    IniFile file = IniFile::Open(path);
    EXPECT_TRUE(file.FileExisted());
    EXPECT_EQ(file.ReadError(), std::make_error_code(std::errc::file_too_large));
    EXPECT_EQ(file.Get("s", "k"), "");
    file.Set("s", "k", "2");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(std::filesystem::file_size(path), size);
}

// A save of what could be read would replace everything that could not.
TEST_F(IniFileOnDiskTest, FileThatCannotBeReadIsNeverWritten) {
    namespace fs = std::filesystem;
    const auto fifo = folder_.Path("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto locked = folder_.Write("locked.ini", "[s]\nk=old\n");
    fs::permissions(locked, fs::perms::none);
    const bool enforced = !std::ifstream(locked).is_open();
    for (const fs::path& path : {fifo, locked, folder_.Root()}) {
        if (path == locked && !enforced)
            continue;
        SCOPED_TRACE(path.string());
        IniFile file = IniFile::Open(path);
        EXPECT_TRUE(file.ReadError());  // why, for the user
        file.Set("s", "k", "new");
        EXPECT_FALSE(file.Save());
        EXPECT_FALSE(WriteIniString(path, "s", "k", "new"));
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(folder_.Read("locked.ini"), "[s]\nk=old\n");
    EXPECT_TRUE(diagnostics_.Lines().back().ends_with("it exists but cannot be read\n"));
}

TEST_F(IniFileOnDiskTest, DirectoryReadsAsMissing) {
    IniFile file = IniFile::Open(folder_.Root());
    EXPECT_FALSE(file.FileExisted());
    EXPECT_EQ(file.ReadError(), std::make_error_code(std::errc::is_a_directory));
    EXPECT_FALSE(IniFile::Open(folder_.Path("missing.ini")).ReadError());
    EXPECT_EQ(file.SectionNames(), std::vector<std::string>{});
}

TEST_F(IniFileOnDiskTest, OneShotFunctions) {
    auto path = folder_.Path("str.ini");
    EXPECT_EQ(ReadIniString(path, "s", "k"), "");
    EXPECT_TRUE(DeleteIniSection(path, "s"));
    EXPECT_FALSE(std::filesystem::exists(path));

    ASSERT_TRUE(WriteIniString(path, "Profile", "ItemCount", "1"));
    ASSERT_TRUE(WriteIniString(path, "profile", "Item0", "Profile 1"));
    ASSERT_TRUE(WriteIniString(path, "Lan", "Lan", "EN"));
    EXPECT_EQ(ReadIniString(path, "PROFILE", "item0"), "Profile 1");
    EXPECT_EQ(folder_.Read("str.ini"), "[Profile]\nItemCount=1\nItem0=Profile 1\n[Lan]\nLan=EN\n");

    EXPECT_FALSE(WriteIniString(path, "a]b", "k", "v"));
    EXPECT_FALSE(WriteIniString(path, "s", "k=", "v"));
    ASSERT_TRUE(DeleteIniSection(path, "profile"));
    EXPECT_EQ(folder_.Read("str.ini"), "[Lan]\nLan=EN\n");
}

}  // namespace
}  // namespace vorlak
