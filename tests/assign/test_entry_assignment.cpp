// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/entry_assignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "device/key_matrix.h"

namespace vorlak {
namespace {

namespace fs = std::filesystem;

// A record with the defaults, labels that name their entry, and a macro store with a macro
// of one event ("One"), one of two events ("Two") and one listed without a section ("Empty").
class EntryAssignmentTest : public ::testing::Test {
protected:
    EntryAssignmentTest()
        : folder_(fs::temp_directory_path() /
                  ("vorlak-assign-" + std::to_string(std::random_device{}()))),
          store_(folder_ / "record.ini") {
        fs::create_directories(folder_);
        std::ofstream(folder_ / "record.ini") << "[MacroName]\nMacroCount=3\n0=One\n1=Two\n"
                                                 "2=Empty\n[One]\nDelayTimeSelStatus=0\n"
                                                 "MacroLoopTimes=1\nItemCount=1\nItem0=A   Dn\n"
                                                 "[Two]\nDelayTimeSelStatus=0\nMacroLoopTimes=1\n"
                                                 "ItemCount=2\nItem0=A   Dn\nItem1=A   Up\n";
        ResetToDefaults(record_);
        for (int e = 0; e < kEntryCount; ++e)
            labels_[std::size_t(e)] = "old " + std::to_string(e);
    }
    ~EntryAssignmentTest() override { fs::remove_all(folder_); }

    std::vector<int> Set(int entry, const EntryChoice& choice) {
        return SetEntryFunction(record_, labels_, entry, choice, {text_, language_, store_})
            .changed;
    }
    // Asserts that the choice changes nothing at all.
    void ExpectRefused(int entry, const EntryChoice& choice) {
        const MouseConfig before = record_;
        const EntryLabels labelsBefore = labels_;
        EXPECT_TRUE(Set(entry, choice).empty());
        EXPECT_TRUE(
            std::equal(before.Bytes().begin(), before.Bytes().end(), record_.Bytes().begin()));
        EXPECT_EQ(labels_, labelsBefore);
    }
    Byte Fn(int entry) const { return record_.KeyFunction[std::size_t(entry)]; }
    const std::string& Label(int entry) const { return labels_[std::size_t(entry)]; }

    fs::path folder_;
    MacroStore store_;
    std::string language_ = "EN";
    UiTextTable text_ = FillTextTable("EN");
    MouseConfig record_{};
    EntryLabels labels_;
};

TEST_F(EntryAssignmentTest, ShiftMarksAndFreesTheMirrorOfTheSameButton) {
    const std::vector<std::pair<int, int>> baseAndMirror = {{0, 7},  {1, 8},  {2, 9}, {3, 11},
                                                            {4, 10}, {5, 12}, {6, 13}};
    for (const auto& [base, mirror] : baseAndMirror) {
        SCOPED_TRACE(base);
        ResetToDefaults(record_);
        // Another left click, so that entry 0 of the defaults is not the last one.
        record_.KeyFunction[std::size_t(base == 6 ? 5 : 6)] = kFnLeftClick;
        auto expected = record_.KeyFunction;
        expected[std::size_t(base)] = kFnDpi;
        expected[std::size_t(mirror)] = kFnDeactivated;

        EXPECT_EQ(Set(base, PlainChoice{kFnShift}), (std::vector<int>{base, mirror}));
        EXPECT_EQ(Fn(base), kFnShift);
        EXPECT_EQ(Fn(mirror), kFnShift);
        EXPECT_EQ(Label(base), "Shift");
        EXPECT_EQ(Label(mirror), "Shift");

        EXPECT_EQ(Set(base, DpiChoice{kDpiDown}), (std::vector<int>{base, mirror}));
        EXPECT_EQ(Fn(base), kFnDpi);
        EXPECT_EQ(Label(base), "DPI -");
        EXPECT_EQ(Fn(mirror), kFnDeactivated);
        EXPECT_EQ(Label(mirror), "Deactivated");
        EXPECT_EQ(record_.KeyFunction, expected);  // no other entry touched
    }
}

TEST_F(EntryAssignmentTest, ClickAfterShiftOnEntryThreeDeactivatesEntryEleven) {
    Set(3, PlainChoice{kFnShift});
    EXPECT_EQ(Fn(11), kFnShift);
    EXPECT_EQ(Fn(10), kFnBack);
    EXPECT_EQ(Set(3, PlainChoice{kFnLeftClick}), (std::vector<int>{3, 11}));
    EXPECT_EQ(Label(3), "Click");
    EXPECT_EQ(Fn(11), kFnDeactivated);
    // Once the base entry no longer carries Shift, further changes leave the mirror alone.
    labels_[11] = "kept";
    EXPECT_EQ(Set(3, PlainChoice{kFnRightClick}), (std::vector<int>{3}));
    EXPECT_EQ(Label(11), "kept");
}

TEST_F(EntryAssignmentTest, ShiftLayerEntryWithShiftCannotBeChanged) {
    ASSERT_EQ(Set(1, PlainChoice{kFnShift}), (std::vector<int>{1, 8}));
    ExpectRefused(8, PlainChoice{kFnLeftClick});
    ExpectRefused(8, KeyChoice{"A"});
    // Shift belongs to the base layer only.
    ExpectRefused(9, PlainChoice{kFnShift});
}

TEST_F(EntryAssignmentTest, LastLeftClickStays) {
    for (int e = 0; e < kBaseEntryCount; ++e)
        record_.KeyFunction[std::size_t(e)] = kFnLeftClick;
    for (int e = 0; e < kBaseEntryCount - 1; ++e) {
        SCOPED_TRACE(e);
        EXPECT_FALSE(IsLastClick(record_, e));
        EXPECT_EQ(Set(e, PlainChoice{kFnRightClick}), (std::vector<int>{e}));
    }
    EXPECT_TRUE(IsLastClick(record_, 6));
    EXPECT_FALSE(IsLastClick(record_, 5));
    ExpectRefused(6, PlainChoice{kFnRightClick});
    ExpectRefused(6, PlainChoice{kFnShift});
    EXPECT_EQ(Set(6, PlainChoice{kFnLeftClick}), (std::vector<int>{6}));

    const MessageText message = LastClickMessage(text_);
    EXPECT_EQ(message.text, "At least one button must be set as the \"click\" function.");
    EXPECT_EQ(message.caption, "ATTENTION!!");
}

// Each rule that leaves the entry as it was says so, the first that applies: a caller tells
// the user why (vorlakctl says it in words).
TEST_F(EntryAssignmentTest, AnUnchangedEntrySaysWhichRuleKeptIt) {
    ASSERT_EQ(Set(1, PlainChoice{kFnShift}), (std::vector<int>{1, 8}));
    struct Case {
        int entry;
        EntryChoice choice;
        AssignReason reason;
    };
    const Case cases[] = {
        {14, PlainChoice{kFnBack}, AssignReason::NotAnEntry},
        {-1, PlainChoice{kFnBack}, AssignReason::NotAnEntry},
        {8, PlainChoice{kFnBack}, AssignReason::ShiftFollowsBase},
        {8, PlainChoice{kFnShift}, AssignReason::ShiftFollowsBase},
        {9, PlainChoice{kFnShift}, AssignReason::NoShiftInShiftLayer},
        {0, PlainChoice{kFnBack}, AssignReason::LastClick},
        {2, KeyChoice{""}, AssignReason::NothingChosen},
        {2, MacroChoice{kMacroSlots, 0, "Two"}, AssignReason::NothingChosen},
        {2, PlainChoice{kFnBack}, AssignReason::Assigned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const MouseConfig before = record_;
        const EntryAssignment done =
            SetEntryFunction(record_, labels_, c.entry, c.choice, {text_, language_, store_});
        EXPECT_EQ(done.reason, c.reason);
        EXPECT_EQ(done.changed.empty(), c.reason != AssignReason::Assigned);
        if (c.reason != AssignReason::Assigned) {
            EXPECT_TRUE(std::ranges::equal(before.Bytes(), record_.Bytes()));
        }
    }
}

TEST_F(EntryAssignmentTest, ShiftLayerIsNotSubjectToTheLastClickRule) {
    for (int e = 7; e < kEntryCount; ++e)
        record_.KeyFunction[std::size_t(e)] = kFnBack;
    record_.KeyFunction[7] = kFnLeftClick;
    EXPECT_FALSE(IsLastClick(record_, 7));
    EXPECT_EQ(Set(7, PlainChoice{kFnRightClick}), (std::vector<int>{7}));
}

TEST_F(EntryAssignmentTest, KeyboardKey) {
    EXPECT_EQ(Set(12, KeyChoice{"F5"}), (std::vector<int>{12}));
    EXPECT_EQ(Fn(12), kFnKeyboardKey);
    EXPECT_EQ(record_.KeyCode[12], 0x3E);
    EXPECT_EQ(Label(12), "Assign Keyboard Key-F5");
    // A captured name without a usage is stored as 0 but shown as captured.
    Set(12, KeyChoice{"App"});
    EXPECT_EQ(record_.KeyCode[12], 0);
    EXPECT_EQ(Label(12), "Assign Keyboard Key-App");
    ExpectRefused(12, KeyChoice{""});
}

TEST_F(EntryAssignmentTest, Macro) {
    struct Case {
        MacroChoice choice;
        Byte storedMode;
        KeyEntry entry;
    };
    const std::vector<Case> cases = {
        {{0, 2, "One"}, 0, {0x09, 0x00, 0x01, 0x00}},    // one event: mode 0
        {{1, 2, "Two"}, 2, {0x09, 0x02, 0x02, 0x00}},    // the picker's mode
        {{2, 1, "Empty"}, 0, {0x09, 0x00, 0x03, 0x00}},  // no section: count 0
        {{3, 1, "Absent"}, 0, {0x09, 0x00, 0x04, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice.name);
        EXPECT_EQ(Set(4, c.choice), (std::vector<int>{4}));
        EXPECT_EQ(Fn(4), kFnMacro);
        EXPECT_EQ(record_.KeyMacroIndex[4], c.choice.index);
        EXPECT_EQ(record_.KeyMacroMode[4], c.storedMode);
        EXPECT_EQ(Label(4), "Macro:" + c.choice.name);
        EXPECT_EQ(EncodeKeyEntry(record_, 4), c.entry);
    }
    ExpectRefused(4, MacroChoice{-1, 1, ""});
    ExpectRefused(4, MacroChoice{12, 1, "Thirteenth"});
}

TEST_F(EntryAssignmentTest, ParameterChoicesInGerman) {
    language_ = "DE";
    text_ = FillTextTable("DE");
    struct Case {
        EntryChoice choice;
        std::string label;
        KeyEntry entry;
    };
    const std::vector<Case> cases = {
        {PlainChoice{kFnDoubleClick}, "Doppelklick", {0x0A, 0xF0, 0x1E, 0x02}},
        {PlainChoice{kFnDeactivated}, "Deaktiviert", {0x00, 0x00, 0x00, 0x00}},
        {DpiChoice{kDpiLoop}, "DPI Schleife", {0x07, 0x00, 0x03, 0x00}},
        {MultimediaChoice{kMultimediaUsageLow[0]}, "Mediaplayer öffnen", {0x03, 0x00, 0x83, 0x01}},
        {MultimediaChoice{kMultimediaUsageLow[5]}, "Stumm", {0x03, 0x00, 0xE2, 0x00}},
        {OfficeChoice{kOfficeKeyUsages[2]}, "Kopieren", {0x00, 0x00, 0xE0, 0x06}},
        {WindowsShortcutChoice{5}, "Desktop anzeigen", {0x00, 0x00, 0xE3, 0x07}},
        {KeyChoice{"Num 1"}, "Keyboard-Taste zuweisen +-Num 1", {0x00, 0x00, 0x59, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Set(9, c.choice), (std::vector<int>{9}));
        EXPECT_EQ(Label(9), c.label);
        EXPECT_EQ(EncodeKeyEntry(record_, 9), c.entry);
    }
}

TEST_F(EntryAssignmentTest, EntryOutsideTheRecord) {
    ExpectRefused(-1, PlainChoice{kFnRightClick});
    ExpectRefused(14, PlainChoice{kFnRightClick});
}

}  // namespace
}  // namespace vorlak
