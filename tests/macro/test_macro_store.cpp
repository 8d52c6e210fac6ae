// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_store.h"

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using std::chrono::milliseconds;

class MacroStoreTest : public testing::Test {
protected:
    MacroStore Store() {
        return MacroStore(folder_.Path("record.ini"),
                          [this](milliseconds ms) { pauses_.push_back(ms); });
    }
    std::filesystem::path Write(std::string_view text) { return folder_.Write("record.ini", text); }
    std::string Text() const { return folder_.Read("record.ini"); }

    TestFolder folder_;
    std::vector<milliseconds> pauses_;
};

const std::vector<std::string> kTypeA = {"A   Dn", "95 ms", "A   Up"};

TEST_F(MacroStoreTest, WritesAndReadsTheExampleStore) {
    MacroStore store = Store();
    ASSERT_TRUE(store.WriteNames({"Macro_1"}));
    ASSERT_TRUE(store.WriteMacro("Macro_1", 1, "2", kTypeA));
    EXPECT_EQ(Text(),
              "[MacroName]\nMacroCount=1\n0=Macro_1\n"
              "[Macro_1]\nDelayTimeSelStatus=1\nMacroLoopTimes=2\nItemCount=3\n"
              "Item0=A   Dn\nItem1=95 ms\nItem2=A   Up\n");
    EXPECT_EQ(store.ReadNames(), std::vector<std::string>{"Macro_1"});
    const StoredMacro macro = store.ReadMacro("Macro_1");
    EXPECT_EQ(macro.delayFlag, "1");
    EXPECT_EQ(macro.loopText, "2");
    EXPECT_EQ(macro.events, kTypeA);
    EXPECT_EQ(store.ReadItemCount("Macro_1"), 3);
    EXPECT_EQ(pauses_, std::vector<milliseconds>{milliseconds(100)});
}

TEST_F(MacroStoreTest, EmptyNameListKeepsAZeroCountAndAnEmptyKey) {
    MacroStore store = Store();
    ASSERT_TRUE(store.WriteNames({"Macro_1", "Macro_2"}));
    ASSERT_TRUE(store.WriteNames({}));
    const IniFile ini = IniFile::Open(store.Path());
    EXPECT_EQ(ini.Get("MacroName", "MacroCount"), "0");
    EXPECT_EQ(ini.KeyNames("MacroName"), (std::vector<std::string>{"MacroCount", "0"}));
    EXPECT_EQ(ini.Get("MacroName", "0"), "");
    EXPECT_TRUE(store.ReadNames().empty());
}

TEST_F(MacroStoreTest, RewritingAMacroLeavesNoStaleItems) {
    MacroStore store = Store();
    ASSERT_TRUE(store.WriteMacro("M", 0, "1", std::vector<std::string>(10, "A   Dn")));
    ASSERT_TRUE(store.WriteMacro("M", 0, "1", kTypeA));
    EXPECT_EQ(IniFile::Open(store.Path()).KeyNames("M"),
              (std::vector<std::string>{"DelayTimeSelStatus", "MacroLoopTimes", "ItemCount",
                                        "Item0", "Item1", "Item2"}));
}

TEST_F(MacroStoreTest, EmptyEventListRemovesTheSection) {
    MacroStore store = Store();
    ASSERT_TRUE(store.WriteMacro("Keep", 0, "1", kTypeA));
    ASSERT_TRUE(store.WriteMacro("M", 1, "3", kTypeA));
    pauses_.clear();
    ASSERT_TRUE(store.WriteMacro("M", 1, "3", {}));
    EXPECT_FALSE(IniFile::Open(store.Path()).HasSection("M"));
    EXPECT_EQ(store.ReadItemCount("M"), 0);
    const StoredMacro macro = store.ReadMacro("M");
    EXPECT_EQ(macro.loopText, "");
    EXPECT_TRUE(macro.events.empty());
    EXPECT_EQ(store.ReadMacro("Keep").events, kTypeA);
    EXPECT_TRUE(pauses_.empty());
}

TEST_F(MacroStoreTest, LoopCountAndDeleteTouchOnlyTheirMacro) {
    MacroStore store = Store();
    ASSERT_TRUE(store.WriteNames({"A", "B"}));
    ASSERT_TRUE(store.WriteMacro("A", 0, "1", kTypeA));
    ASSERT_TRUE(store.WriteMacro("B", 0, "1", kTypeA));
    ASSERT_TRUE(store.WriteLoopCount("A", 7));
    EXPECT_EQ(store.ReadMacro("A").loopText, "7");
    ASSERT_TRUE(store.DeleteMacro("A"));
    EXPECT_TRUE(store.ReadMacro("A").events.empty());
    EXPECT_EQ(store.ReadMacro("B").events, kTypeA);
    EXPECT_EQ(store.ReadNames(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(MacroStoreTest, MissingStoreReadsEmptyAndOnlyTheLoopWriteCreatesIt) {
    MacroStore store = Store();
    EXPECT_FALSE(store.Exists());
    EXPECT_TRUE(store.ReadNames().empty());
    EXPECT_TRUE(store.ReadMacro("Macro_1").events.empty());
    EXPECT_EQ(store.ReadItemCount("Macro_1"), 0);
    EXPECT_TRUE(store.ReadMacros(12).empty());
    EXPECT_TRUE(store.DeleteMacro("Macro_1"));
    EXPECT_FALSE(store.Exists());
    ASSERT_TRUE(store.WriteLoopCount("Macro_1", 1));
    EXPECT_TRUE(store.Exists());
    EXPECT_EQ(store.ReadMacro("Macro_1").loopText, "1");
}

TEST_F(MacroStoreTest, ListedMacroWithoutSectionReadsEmpty) {
    Write(
        "[MacroName]\nMacroCount=2\n0=A\n1=Ghost\n[A]\nMacroLoopTimes=4\nItemCount=1\n"
        "Item0=B   Dn\n");
    const std::vector<NamedMacro> macros = Store().ReadMacros(12);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0].name, "A");
    EXPECT_EQ(macros[0].macro.loopText, "4");
    EXPECT_EQ(macros[0].macro.events, std::vector<std::string>{"B   Dn"});
    EXPECT_EQ(macros[1].name, "Ghost");
    EXPECT_TRUE(macros[1].macro.events.empty());
    EXPECT_EQ(macros[1].macro.delayFlag, "");
}

TEST_F(MacroStoreTest, StatedCountsReadEveryEntryPresentAndGapsAsEmpty) {
    struct Case {
        std::string text;
        std::vector<std::string> names;
        std::vector<std::string> events;  // of macro "M"
    };
    const std::vector<Case> cases = {
        // A gap keeps the places of the entries after it.
        {"[MacroName]\nMacroCount=4\n0=M\n3=d\n"
         "[M]\nItemCount=4\nItem0=A   Dn\nItem3=A   Up\n",
         {"M", "", "", "d"},
         {"A   Dn", "", "", "A   Up"}},
        // Entries past the last key present are not listed.
        {"[MacroName]\nMacroCount=3\n1=M\n[M]\nItemCount=2\n", {"", "M"}, {}},
        {"[MacroName]\nMacroCount=2000000000\n0=a\n2=M\n"
         "[M]\nItemCount=2000000000\nITEM1=A   Dn\n",
         {"a", "", "M"},
         {"", "A   Dn"}},
        // Entries at or past the stated count are not read.
        {"[MacroName]\nMacroCount=1\n0=M\n1=b\n[M]\nItemCount=1\nItem0=X   Dn\nItem1=Y   Dn\n",
         {"M"},
         {"X   Dn"}},
        // Negative, missing and unparsable counts read nothing.
        {"[MacroName]\nMacroCount=-2000000000\n0=a\n[M]\nItemCount=abc\nItem0=A   Dn\n", {}, {}},
        {"[MacroName]\n0=a\n[M]\nItem0=A   Dn\n", {}, {}},
        // Keys the reader does not ask for are not entries.
        {"[MacroName]\nMacroCount=3\n0=M\n01=x\n+1=y\n-2=z\n"
         "[M]\nItemCount=3\nitem0=A   Dn\nItem01=B   Dn\nItemX=C   Dn\nItem+2=D   Dn\n",
         {"M"},
         {"A   Dn"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Write(c.text);
        MacroStore store = Store();
        EXPECT_EQ(store.ReadNames(), c.names);
        EXPECT_EQ(store.ReadMacro("M").events, c.events);
    }
}

// Keys far apart are read up to the entry limit, no further.
TEST_F(MacroStoreTest, AHugeStatedCountReadsAtMostTheEntryLimit) {
    Write(
        "[MacroName]\nMacroCount=2000000000\n0=M\n4095=last\n4096=past\n"
        "[M]\nItemCount=2000000000\nItem1=A   Dn\nItem4095=B   Dn\nItem1999999999=C   Dn\n");
    MacroStore store = Store();
    const std::vector<std::string> names = store.ReadNames();
    ASSERT_EQ(names.size(), kMaxStoreEntries);
    EXPECT_EQ(names.front(), "M");
    EXPECT_EQ(names.back(), "last");
    const std::vector<std::string> events = store.ReadMacro("M").events;
    ASSERT_EQ(events.size(), kMaxStoreEntries);
    EXPECT_EQ(events[1], "A   Dn");
    EXPECT_EQ(events.back(), "B   Dn");
}

TEST_F(MacroStoreTest, ReadMacrosStopsAtTheLimit) {
    Write("[MacroName]\nMacroCount=3\n0=a\n1=b\n2=c\n");
    const std::vector<NamedMacro> macros = Store().ReadMacros(2);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[1].name, "b");
}

TEST_F(MacroStoreTest, RefusesNamesAndValuesThatWouldCorruptTheStore) {
    const std::string original = "[MacroName]\nMacroCount=1\n0=a\n[a]\nItemCount=1\nItem0=A   Dn\n";
    Write(original);
    MacroStore store = Store();
    for (const std::string name : {"MacroName", "macroname", "x]", "a=b", "[x", " a", "a\nb", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(store.WriteMacro(name, 0, "1", kTypeA));
        EXPECT_FALSE(store.WriteLoopCount(name, 2));
        EXPECT_FALSE(store.DeleteMacro(name));
    }
    EXPECT_FALSE(store.WriteNames({"a", "b\nc"}));
    EXPECT_FALSE(store.WriteNames({"a", " b"}));
    EXPECT_FALSE(store.WriteMacro("a", 0, "1\n[x]", kTypeA));
    EXPECT_FALSE(store.WriteMacro("a", 0, "1", {"A   Dn", "x\r\ny=z"}));
    EXPECT_EQ(Text(), original);
    EXPECT_TRUE(pauses_.empty());
    // Empty names stand for missing entries of the list and may be written back.
    EXPECT_TRUE(store.WriteNames({"a", "", "MacroNames"}));
    EXPECT_EQ(store.ReadNames(), (std::vector<std::string>{"a", "", "MacroNames"}));
}

TEST_F(MacroStoreTest, WritesReportAFileThatCannotBeWritten) {
    MacroStore store(folder_.Path("missing-folder") / "record.ini",
                     [this](milliseconds ms) { pauses_.push_back(ms); });
    EXPECT_FALSE(store.WriteNames({"a"}));
    EXPECT_FALSE(store.WriteMacro("a", 0, "1", kTypeA));
    EXPECT_FALSE(store.WriteLoopCount("a", 1));
    EXPECT_EQ(pauses_, std::vector<milliseconds>{milliseconds(100)});
}

}  // namespace
}  // namespace vorlak
