// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_recorder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "manager_fixture.h"

namespace vorlak {
namespace {

using Texts = std::vector<std::string>;

class RecorderTest : public ManagerTest {
protected:
    // One macro "Macro_1" with two old events, selected; delays as given.
    void OpenOneMacro(bool delays) {
        Store(std::string("[MacroName]\nMacroCount=1\n0=Macro_1\n[Macro_1]\nDelayTimeSelStatus=") +
              (delays ? "1" : "0") +
              "\nMacroLoopTimes=1\nItemCount=2\nItem0=X   Dn\nItem1=X   Up\n");
        Open();
        M().RecordButton();
        ASSERT_TRUE(M().Recording());
    }
};

TEST_F(RecorderTest, HoldingAKeyRecordsOnePressAndOneRelease) {
    OpenOneMacro(false);
    for (int i = 0; i < 5; ++i)
        capture_.Key(kVkA);  // the first press, then its repeats
    capture_.Key(kVkA, KeyFlagRelease);
    Deliver();
    EXPECT_EQ(M().Events(), (Texts{"A   Dn", "A   Up"}));
}

TEST_F(RecorderTest, KeypadEnterIsNumEnterAndItsRepeatsAreEachRecorded) {
    OpenOneMacro(false);
    Type(kVkEnter);
    Type(kVkEnter, KeyFlagExtended);
    EXPECT_EQ(M().Events(),
              (Texts{"Enter   Dn", "Enter   Up", "Num Enter   Dn", "Num Enter   Up"}));

    // The keypad's Enter is remembered as 108 while it arrives as 13, so its repeats are
    // never taken for repeats.
    M().RecordButton();
    M().RecordButton();
    capture_.Key(kVkEnter, KeyFlagExtended);
    capture_.Key(kVkEnter, KeyFlagExtended);
    Deliver();
    EXPECT_EQ(M().Events(), (Texts{"Num Enter   Dn", "Num Enter   Dn"}));
}

TEST_F(RecorderTest, WithoutDelaysEveryKeyIsItsOwnTextInOrder) {
    OpenOneMacro(false);
    Type(kVkA);
    Type(kVkB);
    EXPECT_EQ(M().Events(), (Texts{"A   Dn", "A   Up", "B   Dn", "B   Up"}));

    M().RecordButton();
    M().RecordButton();
    capture_.Key(kVkLeftCtrl);
    Type(kVkC);
    capture_.Key(kVkLeftCtrl, KeyFlagRelease);
    Deliver();
    EXPECT_EQ(M().Events(), (Texts{"Ctrl   Dn", "C   Dn", "C   Up", "Ctrl   Up"}));
    EXPECT_EQ(M().SelectedEvent(), 3);
}

TEST_F(RecorderTest, WithDelaysTheMeasuredTimeGoesBetweenEventsButNeverFirst) {
    OpenOneMacro(true);
    now_ = 5000;
    capture_.Key(kVkA, KeyFlagRelease);  // a release first: still no delay before it
    Deliver();
    now_ = 5095;
    capture_.Key(kVkB);
    Deliver();
    now_ = 5095 + 1550;
    capture_.Key(kVkB, KeyFlagRelease);
    Deliver();
    const Texts expected{"A   Up", "95 ms", "B   Dn", "1550 ms", "B   Up"};
    EXPECT_EQ(M().Events(), expected);

    M().RecordButton();
    const StoredMacro stored = Read("Macro_1");
    EXPECT_EQ(stored.events, expected);
    EXPECT_EQ(stored.delayFlag, "1");
}

TEST_F(RecorderTest, TheDelayOptionChangedMidwayAppliesToTheNextEvents) {
    OpenOneMacro(false);
    Type(kVkA);
    M().ToggleRecordDelays();
    now_ += 40;
    Type(kVkB);
    EXPECT_EQ(M().Events(), (Texts{"A   Dn", "A   Up", "40 ms", "B   Dn", "0 ms", "B   Up"}));
}

TEST_F(RecorderTest, StartAndStopWithoutAKeyLeavesTheMacroWithoutEvents) {
    OpenOneMacro(false);
    EXPECT_TRUE(M().Events().empty());
    M().RecordButton();
    EXPECT_FALSE(M().Recording());
    EXPECT_FALSE(capture_.running);
    EXPECT_FALSE(Ini().HasSection("Macro_1"));
    EXPECT_EQ(store_.ReadNames(), Texts{"Macro_1"});
}

TEST_F(RecorderTest, SelectingAnotherMacroWritesTheKeysToTheFirst) {
    Store(kThreeMacros);
    Open();
    M().RecordButton();
    Type(kVkC);
    M().SelectMacro(1);
    EXPECT_FALSE(M().Recording());
    EXPECT_FALSE(capture_.running);
    EXPECT_EQ(Read("Macro_1").events, (Texts{"C   Dn", "C   Up"}));
    EXPECT_EQ(M().Events(), (Texts{"B   Dn", "95 ms", "B   Up"}));
    EXPECT_EQ(Read("Macro_2").events, M().Events());
    // Keys still queued belong to the recording that ended.
    M().SelectMacro(0);
    M().RecordButton();
    capture_.Key(kVkA);
    M().SelectMacro(2);
    Deliver();
    EXPECT_EQ(M().Events(), (Texts{"C   Dn", "C   Up"}));
    EXPECT_TRUE(Read("Macro_1").events.empty());
}

// Another macro selected before a key was captured: the recording's macro keeps its section,
// with its loop count and flag, and no events.
TEST_F(RecorderTest, SelectingAnotherMacroBeforeAKeyKeepsTheRecordedMacrosLoopCount) {
    Store(kThreeMacros);
    Open();
    M().SelectMacro(1);  // loop count 3, delays on
    M().RecordButton();
    M().SelectMacro(2);
    EXPECT_FALSE(M().Recording());
    EXPECT_TRUE(Ini().HasSection("Macro_2"));
    EXPECT_EQ(Ini().Get("Macro_2", "MacroLoopTimes"), "3");
    EXPECT_EQ(Ini().Get("Macro_2", "DelayTimeSelStatus"), "1");
    EXPECT_EQ(Ini().Get("Macro_2", "ItemCount"), "0");
    EXPECT_TRUE(Read("Macro_2").events.empty());
    M().SelectMacro(1);
    EXPECT_EQ(M().LoopField(), "3");
    EXPECT_TRUE(M().Loops());
}

TEST_F(RecorderTest, TheSixtyThirdKeyStopsTheRecordingAndIsDropped) {
    OpenOneMacro(false);
    // 200 keys typed faster than they are handed over: each keeps its own name and number.
    for (int i = 0; i < 100; ++i) {
        capture_.Key(i % 2 == 0 ? kVkA : kVkB);
        capture_.Key(i % 2 == 0 ? kVkA : kVkB, KeyFlagRelease);
    }
    Deliver();
    EXPECT_FALSE(M().Recording());
    ASSERT_EQ(M().Events().size(), 62u);
    EXPECT_EQ(M().Events()[60], "A   Dn");
    EXPECT_EQ(M().Events()[61], "A   Up");
    EXPECT_EQ(Read("Macro_1").events, M().Events());
}

// The start cleared the list; a capture that cannot be taken shows the stored events again,
// so no later write (OK, New, an edit) stores the cleared list.
TEST_F(RecorderTest, ACaptureThatCannotBeTakenLeavesTheStoredMacroAsItWas) {
    OpenOneMacro(false);
    EXPECT_TRUE(M().Events().empty());
    capture_.Fail(1);
    EXPECT_EQ(failures_, std::vector<int>{1});
    EXPECT_FALSE(M().Recording());
    EXPECT_FALSE(capture_.running);
    EXPECT_EQ(M().Events(), (Texts{"X   Dn", "X   Up"}));
    EXPECT_EQ(Read("Macro_1").events, (Texts{"X   Dn", "X   Up"}));
    M().New();
    EXPECT_EQ(Read("Macro_1").events, (Texts{"X   Dn", "X   Up"}));
    M().SelectMacro(0);
    EXPECT_EQ(Ok()->rows[0][3], 0x1B);  // X pressed: the block still plays it
}

TEST_F(RecorderTest, NothingIsRecordedWithoutASelectedMacro) {
    Open();
    M().RecordButton();
    EXPECT_FALSE(M().Recording());
    EXPECT_EQ(capture_.starts, 0);
}

}  // namespace
}  // namespace vorlak
