// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor: each operation's rules, the change notices, and the refusals while a
// write runs.
#include "controller/record_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "test_folder.h"

namespace vorlak {
namespace {

class RecordEditorTest : public ::testing::Test {
protected:
    RecordEditorTest() {
        editor.AddObserver([this](const RecordChange& c) { told.push_back(c); });
    }
    AssignResult Assign(int entry, const EntryChoice& choice) {
        return editor.AssignEntry(entry, choice, {text, "EN", macros});
    }
    bool Same(const MouseConfig& a, const MouseConfig& b) const {
        return std::equal(a.Bytes().begin(), a.Bytes().end(), b.Bytes().begin());
    }

    MouseConfig storage{};  // zeros, as the store starts
    RecordEditor editor{storage};
    std::vector<RecordChange> told;
    UiTextTable text = FillTextTable("EN");
    TestFolder folder;
    MacroStore macros{folder.Path("record.ini")};
};

TEST_F(RecordEditorTest, StartsFromTheDefaultsNotFromZeros) {
    MouseConfig defaults{};
    ResetToDefaults(defaults);
    EXPECT_TRUE(Same(editor.Record(), defaults));
    EXPECT_EQ(editor.Record().pollingDivisor, 2);
}

using Field = std::function<Byte(const MouseConfig&)>;
using Operation = std::function<EditResult(RecordEditor&)>;

struct FieldCase {
    const char* name;
    Operation apply;
    EditResult result;
    Field field;
    int value;  // the field after the operation
    RecordPart part;
};

TEST_F(RecordEditorTest, EachOperationKeepsItsFieldsRange) {
    using E = RecordEditor;
    const Field light = [](const MouseConfig& r) { return r.lightMode; };
    const Field neon = [](const MouseConfig& r) { return r.lightNeonRate; };
    const Field polling = [](const MouseConfig& r) { return r.pollingDivisor; };
    const Field x = [](const MouseConfig& r) { return r.sensitivityX; };
    const Field speed = [](const MouseConfig& r) { return r.pointerSpeed; };
    const Field click = [](const MouseConfig& r) { return r.doubleClickStep; };
    const Field lines = [](const MouseConfig& r) { return r.wheelLines; };
    const Field page = [](const MouseConfig& r) { return r.wheelPageScroll; };
    const Field code2 = [](const MouseConfig& r) { return r.dpiLevel[2]; };
    const Field code6 = [](const MouseConfig& r) { return r.dpiLevel[6]; };
    constexpr RecordPart R = RecordPart::Lighting;
    const FieldCase cases[] = {
        {"light mode 3", [](E& e) { return e.SetLightMode(3); }, EditResult::Changed, light, 3, R},
        {"light mode 4 is not offered", [](E& e) { return e.SetLightMode(4); }, EditResult::Invalid,
         light, 1, R},
        {"light mode 1 again", [](E& e) { return e.SetLightMode(1); }, EditResult::Unchanged, light,
         1, R},
        {"neon step 6", [](E& e) { return e.SetLightStep(LightStep::NeonRate, 6); },
         EditResult::Changed, neon, 6, R},
        {"neon step 7", [](E& e) { return e.SetLightStep(LightStep::NeonRate, 7); },
         EditResult::Invalid, neon, 4, R},
        {"polling 8", [](E& e) { return e.SetPollingDivisor(8); }, EditResult::Changed, polling, 8,
         RecordPart::Polling},
        {"polling 3 (no such rate)", [](E& e) { return e.SetPollingDivisor(3); },
         EditResult::Invalid, polling, 2, RecordPart::Polling},
        {"polling 0", [](E& e) { return e.SetPollingDivisor(0); }, EditResult::Invalid, polling, 2,
         RecordPart::Polling},
        {"X 11", [](E& e) { return e.SetSensitivityX(11); }, EditResult::Changed, x, 11,
         RecordPart::Sensitivity},
        {"X 0", [](E& e) { return e.SetSensitivityX(0); }, EditResult::Invalid, x,
         editor.Record().sensitivityX, RecordPart::Sensitivity},
        {"pointer speed 1", [](E& e) { return e.SetPointerSpeed(1); }, EditResult::Changed, speed,
         1, RecordPart::Pointer},
        {"pointer speed 12", [](E& e) { return e.SetPointerSpeed(12); }, EditResult::Invalid, speed,
         6, RecordPart::Pointer},
        {"double-click 11", [](E& e) { return e.SetDoubleClickStep(11); }, EditResult::Changed,
         click, 11, RecordPart::Pointer},
        {"wheel 100 lines", [](E& e) { return e.SetWheelLines(100); }, EditResult::Changed, lines,
         100, RecordPart::Pointer},
        {"wheel 101 lines", [](E& e) { return e.SetWheelLines(101); }, EditResult::Invalid, lines,
         3, RecordPart::Pointer},
        {"page mode keeps the lines", [](E& e) { return e.SetWheelPageScroll(true); },
         EditResult::Changed, lines, 3, RecordPart::Pointer},
        {"page mode on", [](E& e) { return e.SetWheelPageScroll(true); }, EditResult::Changed, page,
         1, RecordPart::Pointer},
        {"DPI 54", [](E& e) { return e.SetDpiCode(2, 54); }, EditResult::Changed, code2, 54,
         RecordPart::DpiStage},
        {"DPI 55 is past the slider", [](E& e) { return e.SetDpiCode(2, 55); }, EditResult::Invalid,
         code2, 19, RecordPart::DpiStage},
        {"DPI 0 is below it", [](E& e) { return e.SetDpiCode(2, 0); }, EditResult::Invalid, code2,
         19, RecordPart::DpiStage},
        {"the seventh stage is never edited", [](E& e) { return e.SetDpiCode(6, 10); },
         EditResult::Invalid, code6, 54, RecordPart::DpiStage},
    };
    for (const FieldCase& c : cases) {
        MouseConfig fresh{};
        RecordEditor e(fresh);
        std::vector<RecordChange> changes;
        e.AddObserver([&](const RecordChange& change) { changes.push_back(change); });
        EXPECT_EQ(c.apply(e), c.result) << c.name;
        EXPECT_EQ(c.field(e.Record()), c.value) << c.name;
        if (c.result == EditResult::Changed) {
            ASSERT_EQ(changes.size(), 1u) << c.name;
            EXPECT_EQ(changes[0].part, c.part) << c.name;
        } else {
            EXPECT_TRUE(changes.empty()) << c.name;
        }
    }
}

// The editor's table of operations: every operation that changes the record, with the notice
// each must send so that the views showing that part repaint (a missing one leaves a stale
// view, such as a swatch in its old colour). A new operation gets its row here.
TEST_F(RecordEditorTest, EveryOperationTellsItsNotice) {
    using E = RecordEditor;
    using P = RecordPart;
    struct Row {
        const char* name;
        std::function<void(E&)> apply;
        std::vector<RecordChange> notices;
    };
    MouseConfig other = editor.Record();
    other.sensitivityX = 3;
    std::array<Byte, kMacroSlotSize> block{};
    block[1] = 2;
    const Row rows[] = {
        {"assign an entry",
         [this](E& e) {
             e.AssignEntry(2, PlainChoice{kFnDoubleClick}, {text, "EN", macros});
         },
         {{P::Entry, 2}}},
        {"assign Shift: the entry and its mirror",
         [this](E& e) {
             e.AssignEntry(3, PlainChoice{kFnShift}, {text, "EN", macros});
         },
         {{P::Entry, 3}, {P::Entry, MirrorOf(3)}}},
        {"DPI code", [](E& e) { e.SetDpiCode(4, 30); }, {{P::DpiStage, 4}}},
        {"DPI flag", [](E& e) { e.SetDpiEnabled(5, false); }, {{P::DpiStage, 5}}},
        {"DPI toggle", [](E& e) { e.ToggleDpiEnabled(1); }, {{P::DpiStage, 1}}},
        {"DPI colour",
         [](E& e) {
             e.SetDpiColor(0, {12, 34, 56});
         },
         {{P::DpiStage, 0}}},
        {"light mode", [](E& e) { e.SetLightMode(3); }, {{P::Lighting}}},
        {"brightness", [](E& e) { e.SetLightStep(LightStep::Brightness, 6); }, {{P::Lighting}}},
        {"breath rate", [](E& e) { e.SetLightStep(LightStep::BreathRate, 6); }, {{P::Lighting}}},
        {"neon rate", [](E& e) { e.SetLightStep(LightStep::NeonRate, 6); }, {{P::Lighting}}},
        {"polling", [](E& e) { e.SetPollingDivisor(8); }, {{P::Polling}}},
        {"sensitivity X", [](E& e) { e.SetSensitivityX(11); }, {{P::Sensitivity}}},
        {"sensitivity Y", [](E& e) { e.SetSensitivityY(11); }, {{P::Sensitivity}}},
        {"pointer speed", [](E& e) { e.SetPointerSpeed(11); }, {{P::Pointer}}},
        {"double-click", [](E& e) { e.SetDoubleClickStep(11); }, {{P::Pointer}}},
        {"wheel lines", [](E& e) { e.SetWheelLines(9); }, {{P::Pointer}}},
        {"wheel page mode", [](E& e) { e.SetWheelPageScroll(true); }, {{P::Pointer}}},
        {"macro slot", [&block](E& e) { e.SetMacroSlot(7, block); }, {{P::MacroSlot, 7}}},
        {"a profile read", [](E& e) { e.Loaded(EntryLabels{"x"}); }, {{P::Whole}}},
        {"Cancel", [&other](E& e) { e.RevertTo(other); }, {{P::Whole}}},
        {"the defaults", [&other](E& e) { e.ResetToDefaults(other, EntryLabels{}); }, {{P::Whole}}},
        {"an import", [&other](E& e) { e.Replace(other, EntryLabels{}); }, {{P::Whole}}},
        {"the labels", [](E& e) { e.ReplaceLabels(EntryLabels{"y"}); }, {{P::Whole}}},
        {"the profile read again",
         [](E& e) { e.ReloadedLabels(EntryLabels{"z"}); },
         {{P::Reloaded}}},
        {"the record sent", [&other](E& e) { e.ReloadedRecord(other); }, {{P::Reloaded}}},
    };
    for (const Row& row : rows) {
        MouseConfig fresh{};
        RecordEditor e(fresh);
        std::vector<RecordChange> changes;
        e.AddObserver([&](const RecordChange& change) { changes.push_back(change); });
        row.apply(e);
        ASSERT_EQ(changes.size(), row.notices.size()) << row.name;
        for (std::size_t i = 0; i < changes.size(); ++i) {
            EXPECT_EQ(changes[i].part, row.notices[i].part) << row.name;
            EXPECT_EQ(changes[i].index, row.notices[i].index) << row.name;
        }
    }
}

TEST_F(RecordEditorTest, MovingADpiSliderSwitchesItsStageOn) {
    editor.SetDpiEnabled(1, false);
    told.clear();
    // The same code as stored: the stage still goes on.
    EXPECT_EQ(editor.SetDpiCode(1, editor.Record().dpiLevel[1]), EditResult::Changed);
    EXPECT_EQ(editor.Record().dpiEnabled[1], 1);
    EXPECT_EQ(editor.SetDpiCode(1, 12), EditResult::Changed);
    EXPECT_EQ(editor.Record().dpiLevel[1], 12);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].part, RecordPart::DpiStage);
    EXPECT_EQ(told[0].index, 1);
}

TEST_F(RecordEditorTest, TheToggleTurnsAnyOtherFlagOffAndOnlyAnEnabledStageTakesAColour) {
    MouseConfig loaded = editor.Record();
    loaded.dpiEnabled[3] = 2;  // from a stored profile
    editor.Replace(loaded, editor.Labels());
    EXPECT_EQ(editor.SetDpiColor(3, {1, 2, 3}), EditResult::Invalid);
    EXPECT_EQ(editor.ToggleDpiEnabled(3), EditResult::Changed);
    EXPECT_EQ(editor.Record().dpiEnabled[3], 0);
    EXPECT_EQ(editor.SetDpiColor(3, {1, 2, 3}), EditResult::Invalid);
    EXPECT_EQ(editor.ToggleDpiEnabled(3), EditResult::Changed);
    EXPECT_EQ(editor.Record().dpiEnabled[3], 1);
    EXPECT_EQ(editor.SetDpiColor(3, {1, 2, 3}), EditResult::Changed);
    EXPECT_EQ(editor.Record().dpiColor[3], (std::array<Byte, 3>{1, 2, 3}));
    EXPECT_EQ(editor.SetDpiColor(3, {1, 2, 3}), EditResult::Unchanged);
}

TEST_F(RecordEditorTest, AssignmentKeepsTheLastClickAndTellsBothShiftEntries) {
    // Entry 0 carries the only left click of the base layer.
    const AssignResult last = Assign(0, PlainChoice{kFnDoubleClick});
    EXPECT_EQ(last.outcome, AssignOutcome::LastClick);
    EXPECT_EQ(editor.Record().KeyFunction[0], kFnLeftClick);
    EXPECT_TRUE(told.empty());

    const AssignResult shift = Assign(3, PlainChoice{kFnShift});
    EXPECT_EQ(shift.outcome, AssignOutcome::Assigned);
    EXPECT_EQ(shift.changed, (std::vector<int>{3, MirrorOf(3)}));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].part, RecordPart::Entry);
    EXPECT_EQ(told[1].index, MirrorOf(3));
    EXPECT_EQ(editor.Labels()[std::size_t(MirrorOf(3))], kShiftLabel);

    EXPECT_EQ(Assign(MirrorOf(3), PlainChoice{kFnDoubleClick}).outcome, AssignOutcome::Unchanged);
    EXPECT_EQ(Assign(2, KeyChoice{""}).outcome, AssignOutcome::Unchanged);
}

// The assignment rule that left the entry unchanged comes with the outcome.
TEST_F(RecordEditorTest, AnUnchangedAssignmentNamesItsRule) {
    EXPECT_EQ(Assign(0, PlainChoice{kFnDoubleClick}).reason, AssignReason::LastClick);
    ASSERT_EQ(Assign(3, PlainChoice{kFnShift}).reason, AssignReason::Assigned);
    const AssignResult mirror = Assign(MirrorOf(3), PlainChoice{kFnDoubleClick});
    EXPECT_EQ(mirror.outcome, AssignOutcome::Unchanged);
    EXPECT_EQ(mirror.reason, AssignReason::ShiftFollowsBase);
    EXPECT_EQ(Assign(9, PlainChoice{kFnShift}).reason, AssignReason::NoShiftInShiftLayer);
    EXPECT_EQ(Assign(2, KeyChoice{""}).reason, AssignReason::NothingChosen);
}

TEST_F(RecordEditorTest, EveryEditIsRefusedWhileAWriteRuns) {
    const MouseConfig before = editor.Record();
    const EntryLabels labelsBefore = editor.Labels();
    MouseConfig other = before;
    other.sensitivityX = 9;
    editor.SetWriting(true);
    const std::vector<std::pair<const char*, EditResult>> results = {
        {"DPI code", editor.SetDpiCode(0, 30)},
        {"DPI flag", editor.ToggleDpiEnabled(0)},
        {"DPI colour", editor.SetDpiColor(0, {9, 9, 9})},
        {"light mode", editor.SetLightMode(2)},
        {"light step", editor.SetLightStep(LightStep::Brightness, 5)},
        {"polling", editor.SetPollingDivisor(1)},
        {"X", editor.SetSensitivityX(9)},
        {"Y", editor.SetSensitivityY(9)},
        {"speed", editor.SetPointerSpeed(9)},
        {"double-click", editor.SetDoubleClickStep(9)},
        {"wheel lines", editor.SetWheelLines(9)},
        {"page mode", editor.SetWheelPageScroll(true)},
        {"macro slot", editor.SetMacroSlot(0, std::array<Byte, kMacroSlotSize>{1})},
        {"revert", editor.RevertTo(other)},
        {"replace", editor.Replace(other, labelsBefore)},
        {"defaults", editor.ResetToDefaults(other, labelsBefore)},
        {"labels", editor.ReplaceLabels(EntryLabels{"x"})},
        {"record sent", editor.ReloadedRecord(other)},
    };
    for (const auto& [name, result] : results)
        EXPECT_EQ(result, EditResult::Refused) << name;
    EXPECT_EQ(Assign(3, PlainChoice{kFnShift}).outcome, AssignOutcome::Refused);
    EXPECT_TRUE(Same(editor.Record(), before));
    EXPECT_EQ(editor.Labels(), labelsBefore);
    EXPECT_TRUE(told.empty());
    editor.SetWriting(false);
    EXPECT_EQ(editor.SetSensitivityX(9), EditResult::Changed);
}

TEST_F(RecordEditorTest, TheDefaultsKeepTheSlotAndTheMacrosOfTheRecordBefore) {
    MouseConfig before = editor.Record();
    before.profileSlot = 4;
    before.macroSlot[2][0] = 0x42;
    MouseConfig readFromDefaultFile = before;
    readFromDefaultFile.sensitivityX = 1;
    readFromDefaultFile.macroSlot[2][0] = 0;
    editor.Replace(readFromDefaultFile, editor.Labels());
    told.clear();
    EXPECT_EQ(editor.ResetToDefaults(before, EntryLabels{"Click"}), EditResult::Changed);
    EXPECT_EQ(editor.Record().profileSlot, 4);
    EXPECT_EQ(editor.Record().macroSlot[2][0], 0x42);
    EXPECT_NE(editor.Record().sensitivityX, 1);
    EXPECT_EQ(editor.Labels()[0], "Click");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].part, RecordPart::Whole);
}

TEST_F(RecordEditorTest, AMacroSlotTellsItsIndex) {
    std::array<Byte, kMacroSlotSize> bytes{};
    bytes[0] = 7;
    EXPECT_EQ(editor.SetMacroSlot(11, bytes), EditResult::Changed);
    EXPECT_EQ(editor.SetMacroSlot(12, bytes), EditResult::Invalid);
    EXPECT_EQ(editor.Record().macroSlot[11], bytes);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].part, RecordPart::MacroSlot);
    EXPECT_EQ(told[0].index, 11);
}

}  // namespace
}  // namespace vorlak
