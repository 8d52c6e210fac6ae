// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_manager.h"

#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "manager_fixture.h"

namespace vorlak {
namespace {

using Texts = std::vector<std::string>;

TEST_F(ManagerTest, OpensOnTheFirstMacroWithItsOptions) {
    Store(kThreeMacros);
    Open();
    EXPECT_EQ(M().Names(), (Texts{"Macro_1", "Macro_2", "Macro_3"}));
    EXPECT_EQ(M().SelectedMacro(), 0);
    EXPECT_EQ(M().Events(), (Texts{"A   Dn", "A   Up"}));
    EXPECT_FALSE(M().Loops());
    EXPECT_FALSE(M().LoopFieldEnabled());
    M().SelectMacro(1);
    EXPECT_TRUE(M().RecordDelays());
    EXPECT_TRUE(M().Loops());
    EXPECT_TRUE(M().LoopFieldEnabled());
    EXPECT_EQ(M().LoopField(), "3");
}

TEST_F(ManagerTest, WithoutAStoreTheListsAreEmptyAndNothingIsWritten) {
    Open();
    EXPECT_TRUE(M().Names().empty());
    EXPECT_FALSE(M().LoopFieldEnabled());
    EXPECT_TRUE(Ok().has_value());
    EXPECT_FALSE(store_.Exists());
}

TEST_F(ManagerTest, TheLoopFieldHoldsOneTo65535AndWritesEveryChange) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);
    struct Case {
        const char* typed;
        const char* shown;
        int count;
    };
    for (const Case& c :
         {Case{"300", "300", 300}, Case{"0", "1", 1}, Case{"-5", "1", 1},
          Case{"99999999999", "1", 1}, Case{"", "1", 1}, Case{"65535", "65535", 65535}}) {
        SCOPED_TRACE(c.typed);
        M().SetLoopField(c.typed);
        EXPECT_EQ(M().LoopField(), c.shown);
        EXPECT_EQ(staging_[1][0], c.count >> 8);
        EXPECT_EQ(staging_[1][1], c.count & 0xFF);
        EXPECT_EQ(Ini().Get("Macro_2", "MacroLoopTimes"), std::to_string(c.count));
    }
}

TEST_F(ManagerTest, ALoopTextOutOfRangeIsCorrectedWhenLoaded) {
    Store(
        "[MacroName]\nMacroCount=2\n0=A\n1=B\n[A]\nMacroLoopTimes=0\nItemCount=1\nItem0=A   Dn\n"
        "[B]\nItemCount=1\nItem0=B   Dn\n");
    Open();
    EXPECT_EQ(M().LoopField(), "1");
    EXPECT_EQ(Ini().Get("A", "MacroLoopTimes"), "1");
    M().SelectMacro(1);
    EXPECT_EQ(Ini().Get("B", "MacroLoopTimes"), "1");
}

TEST_F(ManagerTest, NewNamesInTheLanguageAndStopsAtTwelve) {
    Open("Makro");
    for (int i = 1; i <= kMaxMacros; ++i)
        ASSERT_TRUE(M().New());
    EXPECT_EQ(M().Names().front(), "Makro_1");
    EXPECT_EQ(M().Names().back(), "Makro_12");
    EXPECT_EQ(M().SelectedMacro(), 11);
    EXPECT_EQ(M().LoopField(), "1");
    EXPECT_EQ(store_.ReadNames().size(), 11u);  // the newest is listed by the next write

    const Texts before = M().Names();
    EXPECT_FALSE(M().New());
    EXPECT_EQ(M().Names(), before);
    EXPECT_EQ(store_.ReadNames(), before);
}

TEST_F(ManagerTest, DeleteSelectsTheNextAndRemovesTheSection) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);
    M().Delete();
    EXPECT_EQ(M().Names(), (Texts{"Macro_1", "Macro_3"}));
    EXPECT_EQ(M().SelectedMacro(), 1);
    EXPECT_EQ(M().Events(), (Texts{"C   Dn", "C   Up"}));
    EXPECT_EQ(store_.ReadNames(), M().Names());
    EXPECT_FALSE(Ini().HasSection("Macro_2"));

    M().Delete();
    EXPECT_EQ(M().SelectedMacro(), 0);
    M().Delete();
    EXPECT_EQ(M().SelectedMacro(), -1);
    EXPECT_TRUE(M().Events().empty());
    EXPECT_EQ(M().LoopField(), "1");
    EXPECT_EQ(Ini().Get("MacroName", "MacroCount"), "0");
    EXPECT_EQ(Ini().KeyNames("MacroName"), (Texts{"MacroCount", "0"}));
}

TEST_F(ManagerTest, InsertedClicksAndDelaysFollowTheirRules) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);  // B Dn, 95 ms, B Up
    M().SelectEvent(0);
    M().InsertClick("L-Button");
    EXPECT_EQ(M().Events(), (Texts{"B   Dn", "L-Button   Dn", "L-Button   Up", "95 ms", "B   Up"}));
    EXPECT_EQ(M().SelectedEvent(), 2);
    M().SelectEvent(3);  // after a delay the press is selected
    M().InsertClick("R-Button");
    EXPECT_EQ(M().SelectedEvent(), 4);

    M().SelectEvent(0);  // the first entry
    M().InsertDelay();
    M().SelectEvent(3);  // a delay
    M().InsertDelay();
    M().SelectEvent(4);  // after a delay
    M().InsertDelay();
    EXPECT_EQ(M().Events().size(), 7u);
    M().SelectEvent(2);
    M().InsertDelay();
    EXPECT_EQ(M().Events()[2], "50 ms");
    EXPECT_EQ(M().SelectedEvent(), 3);

    M().SelectEvent(0);
    M().DeleteEvent();
    EXPECT_EQ(M().Events().front(), "L-Button   Dn");
    EXPECT_EQ(Read("Macro_2").events, M().Events());
}

TEST_F(ManagerTest, ASecondClickOnADelayStartsItsEdit) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);
    EXPECT_FALSE(M().ClickEvent(1));
    EXPECT_FALSE(M().ClickEvent(2));  // not a delay: the delay stays tracked
    EXPECT_TRUE(M().ClickEvent(1));
    M().EndDelayEdit(1, "65535 ms");
    EXPECT_EQ(Read("Macro_2").events[1], "65535 ms");
    M().EndDelayEdit(1, "B   Dn");  // not a delay: refused
    EXPECT_EQ(M().Events()[1], "65535 ms");
}

TEST_F(ManagerTest, ARenameMovesTheSectionInTheWriteThatListsTheName) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);
    M().EndNameEdit(1, "Jump");
    EXPECT_EQ(store_.ReadNames(), (Texts{"Macro_1", "Jump", "Macro_3"}));
    EXPECT_FALSE(Ini().HasSection("Macro_2"));
    EXPECT_EQ(Read("Jump").events, (Texts{"B   Dn", "95 ms", "B   Up"}));
    EXPECT_EQ(Read("Jump").loopText, "3");
}

TEST_F(ManagerTest, ARenameToATakenOrUnstorableNameKeepsTheOldOne) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);
    for (const char* name :
         {"Macro_3", "macro_1", "a=b", "[x]", "MacroName", "", " pad", "two\nlines"}) {
        SCOPED_TRACE(name);
        M().EndNameEdit(1, name);
        EXPECT_EQ(M().Names()[1], "Macro_2");
        EXPECT_EQ(store_.ReadNames()[1], "Macro_2");
        EXPECT_EQ(Read("Macro_2").events.size(), 3u);
    }
    M().EndNameEdit(1, std::string(1000, 'x'));
    EXPECT_EQ(Read(std::string(1000, 'x')).events.size(), 3u);
}

TEST_F(ManagerTest, OkEncodesEveryMacroAndTellsWhereTheyWent) {
    Store(kThreeMacros);
    Open();
    M().Delete();  // Macro_1
    M().SelectMacro(1);
    M().EndNameEdit(1, "Third");
    M().New();
    const MacroManagerResult result = *Ok();
    EXPECT_EQ(result.names, (Texts{"Macro_2", "Third", "Macro_3"}));
    EXPECT_EQ(result.moves.number[0], MacroMoves::kDeleted);
    EXPECT_EQ(result.moves.number[1], 0);
    EXPECT_EQ(result.moves.name[1], "Macro_2");
    EXPECT_EQ(result.moves.number[2], 1);
    EXPECT_EQ(result.moves.name[2], "Third");
    EXPECT_EQ(result.moves.number[3], 3);  // named no macro: stays
    EXPECT_EQ(result.moves.name[3], "");
    // B Dn 95 ms, B Up; loop count 3.
    EXPECT_EQ(result.rows[0][0], 0);
    EXPECT_EQ(result.rows[0][1], 3);
    EXPECT_EQ(result.rows[0][2], 0x09);
    EXPECT_EQ(result.rows[0][3], 0x05);
    EXPECT_EQ(result.rows[2], (std::array<Byte, kMacroSlotSize>{}));
    EXPECT_EQ(result.rows, staging_);
    EXPECT_EQ(result.dropped, MacroDropCounts{});
}

TEST_F(ManagerTest, OkWithAnEmptyListKeepsTheStagingRows) {
    staging_[4][7] = 0x5A;
    Store("[MacroName]\nMacroCount=0\n0=\n");
    Open();
    EXPECT_EQ(Ok()->rows[4][7], 0x5A);
}

TEST_F(ManagerTest, OkReportsTheEventsAMacroTooLongForItsBlockLost) {
    Store(kThreeMacros);
    Open();
    M().SelectEvent(0);
    for (int i = 0; i < 40; ++i)
        M().InsertClick("M-Button");  // 82 events of two bytes: 63 fit
    const MacroManagerResult result = *Ok();
    EXPECT_EQ(result.dropped[0], 82 - 63);
    EXPECT_EQ(result.dropped[1], 0);
    EXPECT_EQ(Read("Macro_1").events.size(), 82u);  // the store keeps them all
}

TEST_F(ManagerTest, CancelKeepsTheEditsInTheStore) {
    Store(kThreeMacros);
    Open();
    M().SelectEvent(1);
    M().DeleteEvent();
    Cancel();
    EXPECT_EQ(Read("Macro_1").events, Texts{"A   Dn"});
}

// The window's writes wait for the worker: meanwhile the manager shows its own copy, and OK
// and Cancel end only after the writes have.
TEST_F(ManagerTest, APendingWriteShowsTheEditsAndOkWaitsForIt) {
    Store(kThreeMacros);
    HeldFileWrites held;
    OpenWith(held);
    M().SelectEvent(1);
    M().DeleteEvent();
    M().SelectMacro(1);
    M().SelectMacro(0);
    EXPECT_EQ(M().Events(), Texts{"A   Dn"});
    EXPECT_EQ(Read("Macro_1").events, (Texts{"A   Dn", "A   Up"}));  // not on the disk yet
    bool ended = false;
    M().Ok([&](std::optional<MacroManagerResult> result) {
        ended = true;
        ASSERT_TRUE(result);
        EXPECT_EQ(result->rows[0][3], 0x04);
    });
    EXPECT_FALSE(ended);
    held.Release();
    EXPECT_TRUE(ended);
    EXPECT_EQ(Read("Macro_1").events, Texts{"A   Dn"});
    EXPECT_TRUE(storeFailures_.empty());
}

// A write that fails is told with its reason; the manager keeps the edit and the next write
// that succeeds saves it with the rest. OK proceeds only on a store that holds the list.
TEST_F(ManagerTest, AFailedWriteIsToldAndOkWaitsForAStoreThatHoldsTheList) {
    Store(kThreeMacros);
    HeldFileWrites held;
    OpenWith(held);
    held.Release();  // the loop count the opening wrote back
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    held.FailNext(3, full);
    M().Delete();                  // Macro_1: the list, then Macro_2's loop count: both fail
    M().EndNameEdit(0, "Second");  // Macro_2 renamed: fails too
    held.Release();
    EXPECT_EQ(storeFailures_, (std::vector<std::error_code>{full, full, full}));
    EXPECT_EQ(M().StoreProblem(), full);
    EXPECT_EQ(M().Names(), (Texts{"Second", "Macro_3"}));
    EXPECT_EQ(store_.ReadNames(), (Texts{"Macro_1", "Macro_2", "Macro_3"}));

    held.FailNext(2, full);  // OK's write of the macro, and the list saved again
    bool ended = false;
    M().Ok([&](std::optional<MacroManagerResult> result) {
        ended = true;
        EXPECT_FALSE(result) << "the store does not hold the list";
    });
    held.Release();
    EXPECT_TRUE(ended);
    EXPECT_EQ(store_.ReadNames(), (Texts{"Macro_1", "Macro_2", "Macro_3"}));

    M().Ok([&](std::optional<MacroManagerResult> result) {
        ASSERT_TRUE(result);
        EXPECT_EQ(result->names, (Texts{"Second", "Macro_3"}));
        EXPECT_EQ(result->moves.number[0], MacroMoves::kDeleted);
        EXPECT_EQ(result->moves.number[1], 0);
        EXPECT_EQ(result->moves.name[1], "Second");
        EXPECT_EQ(result->rows[0][1], 3);  // Second is the former Macro_2
    });
    held.Release();
    EXPECT_EQ(M().StoreProblem(), std::error_code());
    EXPECT_EQ(store_.ReadNames(), (Texts{"Second", "Macro_3"}));
    EXPECT_EQ(Read("Second").events, (Texts{"B   Dn", "95 ms", "B   Up"}));
    EXPECT_FALSE(Ini().HasSection("Macro_1"));
    EXPECT_FALSE(Ini().HasSection("Macro_2"));
}

// A failed delete of the last macro leaves no macro to write at OK: OK saves the list again.
TEST_F(ManagerTest, OkSavesAListThatFailedEvenWithoutAMacroToWrite) {
    Store(
        "[MacroName]\nMacroCount=1\n0=Only\n[Only]\nMacroLoopTimes=2\nItemCount=1\nItem0=A   Dn\n");
    HeldFileWrites held;
    OpenWith(held);
    held.Release();
    held.FailNext(1, std::make_error_code(std::errc::io_error));
    M().Delete();
    held.Release();
    EXPECT_TRUE(M().Names().empty());
    EXPECT_EQ(store_.ReadNames(), Texts{"Only"});
    bool proceeded = false;
    M().Ok([&](std::optional<MacroManagerResult> result) { proceeded = result.has_value(); });
    held.Release();
    EXPECT_TRUE(proceeded);
    EXPECT_TRUE(store_.ReadNames().empty());
}

// A store the manager could not read (here: past the size limit) is never written: each write
// fails with the reason, the file stays whole, and OK does not proceed.
TEST_F(ManagerTest, AStoreThatCannotBeReadIsNeverWrittenAndEachWriteSaysWhy) {
    const std::string big =
        "[MacroName]\nMacroCount=1\n0=Big\n;" + std::string(IniFile::kMaxFileBytes, 'x') + "\n";
    Store(big);
    Open();
    EXPECT_TRUE(M().Names().empty());
    EXPECT_TRUE(M().New());
    ASSERT_FALSE(storeFailures_.empty());
    EXPECT_EQ(storeFailures_.back(), std::make_error_code(std::errc::file_too_large));
    EXPECT_FALSE(Ok().has_value());
    EXPECT_EQ(folder_.Read("record.ini"), big);
}

TEST_F(ManagerTest, DamagedStoresOpenAndStayReadable) {
    std::string names = "[MacroName]\nMacroCount=2000000000\n";
    for (int i = 0; i < 1000; ++i) {
        const std::string odd[] = {"a=b", "[x", std::string(1000, 'n')};
        names += std::to_string(i) + "=" +
                 (i >= 3 && i <= 5 ? odd[i - 3] : "M" + std::to_string(i)) + "\n";
    }
    names += "[M0]\nMacroLoopTimes=99999999999\nItemCount=2\nItem0=A   Dn\nItem1=" +
             std::string(1 << 20, '9') + " ms\n";
    Store(names);
    Open();
    EXPECT_EQ(M().LoopField(), "1");
    EXPECT_EQ(M().Names().size(), 1000u);  // the keys present, not the stated count
    EXPECT_EQ(M().Events()[1].size(), IniFile::kMaxValueLength);
    EXPECT_FALSE(M().New());
    M().SelectMacro(3);  // "a=b": listed, but it can have no section
    M().SelectMacro(900);
    M().SetLoopField("7");  // beyond the twelve staging rows: only the store
    EXPECT_EQ(Ini().Get("M900", "MacroLoopTimes"), "7");
    M().Delete();
    const MacroManagerResult result = *Ok();
    EXPECT_EQ(store_.ReadNames().size(), 999u);
    EXPECT_EQ(store_.ReadNames()[3], "a=b");
    EXPECT_EQ(result.rows[0][1], 1);
}

}  // namespace
}  // namespace vorlak
