// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/assignment_dispatcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "assign/assignment_menu.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using Field = std::array<Byte, kEntryCount> MouseConfig::*;

// Every command of the menu with the function it stores and the parameter it sets.
struct CommandRow {
    int id;
    Byte code;
    Field field = nullptr;
    Byte parameter = 0;
};

std::vector<CommandRow> CommandRows() {
    std::vector<CommandRow> rows = {{2001, kFnLeftClick},   {2002, kFnRightClick},
                                    {2003, kFnMiddleClick}, {2004, kFnForward},
                                    {2005, kFnBack},        {2006, kFnDoubleClick},
                                    {2010, kFnShift},       {2013, kFnDeactivated}};
    for (Byte action : {1, 2, 3})
        rows.push_back({2019 + action, kFnDpi, &MouseConfig::KeyDpiAction, action});
    for (Byte index = 0; index < 7; ++index)
        rows.push_back({2030 + index, kFnWindowsShortcut, &MouseConfig::KeyWinShortcut, index});
    const Byte media[] = {0x83, 0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA};
    for (int i = 0; i < 8; ++i)
        rows.push_back({2050 + i, kFnMultimedia, &MouseConfig::KeyMediaUsage, media[i]});
    const Byte office[] = {0x11, 0x1B, 0x06, 0x19, 0x16, 0x13, 0x09, 0x1C, 0x1D, 0x04};
    for (int i = 0; i < 10; ++i)
        rows.push_back({2060 + i, kFnOffice, &MouseConfig::KeyOfficeKey, office[i]});
    return rows;
}

// The text of the menu item that sends id.
std::string ItemText(const AssignmentMenu& menu, int id) {
    for (const auto& item : menu.items) {
        if (item.id == id)
            return item.text;
        for (const auto& leaf : item.submenu) {
            if (leaf.id == id)
                return leaf.text;
        }
    }
    return "(no item)";
}

// The dispatcher on a record with the defaults, assigning through the assignment rules,
// with dialogs that answer what the test sets.
class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest() : store_(folder_.Write("record.ini", kStore)) {
        ResetToDefaults(record_);
        // Entry 6 clicks too, so entry 0 is not the last left click.
        record_.KeyFunction[6] = kFnLeftClick;
    }

    void UseLanguage(const std::string& code) {
        language_ = code;
        text_ = FillTextTable(code);
    }
    // Shows the menu of entry (as the window does) and dispatches id.
    void Choose(int entry, int id) {
        ASSERT_EQ(dispatcher_.Opening(entry), MenuOpening::Menu);
        dispatcher_.MenuClosed(entry);
        dispatcher_.OnAssignmentCommand(id);
    }
    Byte Fn(int entry) const { return record_.KeyFunction[std::size_t(entry)]; }
    const std::string& Label(int entry) const { return labels_[std::size_t(entry)]; }

    static constexpr const char* kStore =
        "[MacroName]\nMacroCount=2\n0=One\n1=Two\n"
        "[One]\nItemCount=1\nItem0=A   Dn\n"
        "[Two]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n";

    TestFolder folder_;
    MacroStore store_;
    std::string language_ = "EN";
    UiTextTable text_ = FillTextTable("EN");
    MouseConfig record_{};
    EntryLabels labels_{};
    std::optional<std::string> keyAnswer_;
    std::optional<MacroChoice> macroAnswer_;
    std::vector<std::string> presets_;
    int macroAsks_ = 0;
    AssignmentDispatcher dispatcher_{
        record_,
        {[this](int entry, const EntryChoice& choice) {
             static_cast<void>(
                 SetEntryFunction(record_, labels_, entry, choice, {text_, language_, store_}));
         },
         [this](std::string_view preset) {
             presets_.emplace_back(preset);
             return keyAnswer_;
         },
         [this] {
             ++macroAsks_;
             return macroAnswer_;
         }}};
};

TEST_F(DispatcherTest, EveryCommandStoresItsFunctionParameterAndTheItemsText) {
    for (const std::string language : {"EN", "DE", "CHS", "CHT"}) {
        UseLanguage(language);
        for (const CommandRow& row : CommandRows()) {
            SCOPED_TRACE(language + " " + std::to_string(row.id));
            ResetToDefaults(record_);
            record_.KeyFunction[6] = kFnLeftClick;
            // Base entry 3 (Button 4) carries Shift, so its mirror is entry 11.
            Choose(3, kMenuShift);
            ASSERT_EQ(Fn(11), kFnShift);

            Choose(3, row.id);
            EXPECT_EQ(Fn(3), row.code);
            if (row.field != nullptr) {
                EXPECT_EQ((record_.*row.field)[3], row.parameter);
            }
            EXPECT_EQ(Label(3), ItemText(BuildAssignmentMenu(3, text_, language_), row.id));
            // The mirror keeps Shift only while its base entry does.
            EXPECT_EQ(Fn(11), row.code == kFnShift ? kFnShift : kFnDeactivated);
            EXPECT_EQ(Label(11), row.code == kFnShift ? "Shift" : text_.TxtFnDeactivated);

            // A Shift-layer entry takes every function but Shift, and has no mirror.
            const MouseConfig before = record_;
            Choose(9, row.id);
            if (row.code == kFnShift) {
                EXPECT_EQ(record_.KeyFunction, before.KeyFunction);
                continue;
            }
            EXPECT_EQ(Fn(9), row.code);
            if (row.field != nullptr) {
                EXPECT_EQ((record_.*row.field)[9], row.parameter);
            }
            EXPECT_EQ(Label(9), ItemText(BuildAssignmentMenu(9, text_, language_), row.id));
        }
    }
}

TEST_F(DispatcherTest, LabelsInEachLanguage) {
    const struct {
        const char* language;
        int id;
        const char* label;
    } rows[] = {
        {"EN", 2055, "Mute"},      {"DE", 2055, "Stumm"},           {"CHS", 2055, "静音"},
        {"CHT", 2055, "靜音"},     {"DE", 2022, "DPI Schleife"},    {"EN", 2003, "Scroll "},
        {"CHT", 2030, "我的電腦"}, {"DE", 2069, "Alles auswählen"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        UseLanguage(row.language);
        Choose(1, row.id);
        EXPECT_EQ(Label(1), row.label);
    }
}

TEST_F(DispatcherTest, TheKeyboardKeyAsksWithTheCurrentKeyAndStoresTheAnswer) {
    keyAnswer_ = "F5";
    Choose(2, kMenuKeyboardKey);
    EXPECT_EQ(Fn(2), kFnKeyboardKey);
    EXPECT_EQ(record_.KeyCode[2], 0x3E);
    EXPECT_EQ(Label(2), "Assign Keyboard Key-F5");

    UseLanguage("DE");
    keyAnswer_ = "A";
    Choose(2, kMenuKeyboardKey);
    EXPECT_EQ(record_.KeyCode[2], 4);
    EXPECT_EQ(Label(2), "Keyboard-Taste zuweisen +-A");
    EXPECT_EQ(presets_, (std::vector<std::string>{"", "F5"}));
}

TEST_F(DispatcherTest, NoKeyOrCancelLeavesTheEntry) {
    record_.KeyFunction[2] = kFnKeyboardKey;
    record_.KeyCode[2] = 4;
    labels_[2] = "Assign Keyboard Key-A";
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        keyAnswer_ = answer;
        Choose(2, kMenuKeyboardKey);
        EXPECT_EQ(record_.KeyCode[2], 4);
        EXPECT_EQ(Label(2), "Assign Keyboard Key-A");
    }
    // Leaving a Shift entry by a cancelled dialog keeps the mirror's Shift.
    Choose(4, kMenuShift);
    keyAnswer_.reset();
    Choose(4, kMenuKeyboardKey);
    EXPECT_EQ(Fn(4), kFnShift);
    EXPECT_EQ(Fn(10), kFnShift);
}

TEST_F(DispatcherTest, AKeyWithoutANameIsNoPreset) {
    // Usage 100 has no name; "N/A" would store usage 0 over it on OK.
    record_.KeyFunction[2] = kFnKeyboardKey;
    record_.KeyCode[2] = 100;
    keyAnswer_ = "";
    Choose(2, kMenuKeyboardKey);
    EXPECT_EQ(presets_, std::vector<std::string>{""});
    EXPECT_EQ(record_.KeyCode[2], 100);
}

TEST_F(DispatcherTest, MacroPlayModeFollowsTheEventCount) {
    macroAnswer_ = MacroChoice{1, 2, "Two"};
    Choose(5, kMenuMacro);
    EXPECT_EQ(Fn(5), kFnMacro);
    EXPECT_EQ(record_.KeyMacroIndex[5], 1);
    EXPECT_EQ(record_.KeyMacroMode[5], 2);
    EXPECT_EQ(Label(5), "Macro:Two");

    macroAnswer_ = MacroChoice{0, 2, "One"};
    Choose(5, kMenuMacro);
    EXPECT_EQ(record_.KeyMacroIndex[5], 0);
    EXPECT_EQ(record_.KeyMacroMode[5], 0);
    EXPECT_EQ(Label(5), "Macro:One");
}

TEST_F(DispatcherTest, NoMacroCancelOrAMacroPastTheTwelfthLeavesTheEntry) {
    const MouseConfig before = record_;
    for (const std::optional<MacroChoice>& answer :
         {std::optional<MacroChoice>(), std::optional<MacroChoice>(MacroChoice{-1, 1, ""}),
          std::optional<MacroChoice>(MacroChoice{12, 0, "Thirteenth"})}) {
        macroAnswer_ = answer;
        Choose(5, kMenuMacro);
        EXPECT_EQ(record_.KeyFunction, before.KeyFunction);
        EXPECT_EQ(Label(5), "");
    }
    EXPECT_EQ(macroAsks_, 3);
}

TEST_F(DispatcherTest, IdsOutsideTheTableAndCommandsBeforeAnyMenuChangeNothing) {
    const MouseConfig before = record_;
    dispatcher_.OnAssignmentCommand(2001);  // no menu shown yet
    EXPECT_EQ(dispatcher_.CurrentEntry(), -1);
    EXPECT_EQ(record_.KeyFunction, before.KeyFunction);

    Choose(3, kMenuShift);
    const MouseConfig shifted = record_;
    for (int id : {1003, 2007, 2014, 2023, 2037, 2058, 2070, 4000, 999, 4001}) {
        dispatcher_.OnAssignmentCommand(id);
        EXPECT_EQ(record_.KeyFunction, shifted.KeyFunction) << id;
    }
    EXPECT_TRUE(presets_.empty());
    EXPECT_EQ(macroAsks_, 0);
}

TEST_F(DispatcherTest, WhatAPressOpens) {
    record_.KeyFunction[6] = kFnDeactivated;  // entry 0 is the only left click now
    record_.KeyFunction[12] = kFnShift;
    EXPECT_EQ(dispatcher_.Opening(0), MenuOpening::LastClickMessage);
    EXPECT_EQ(dispatcher_.Opening(12), MenuOpening::None);
    EXPECT_EQ(dispatcher_.Opening(1), MenuOpening::Menu);
    // A Shift-layer left click is not the base layer's last one.
    record_.KeyFunction[7] = kFnLeftClick;
    EXPECT_EQ(dispatcher_.Opening(7), MenuOpening::Menu);
}

TEST_F(DispatcherTest, AForeignRecordStillOpensTheMenuAndAChoiceRepairsIt) {
    for (std::size_t e = 0; e < kEntryCount; ++e) {
        record_.KeyFunction[e] = 0xEE;
        record_.KeyDpiAction[e] = 0x99;
        record_.KeyWinShortcut[e] = 0x99;
    }
    record_.KeyFunction[0] = kFnLeftClick;
    record_.KeyFunction[1] = kFnLeftClick;
    for (int e = 0; e < kEntryCount; ++e)
        EXPECT_EQ(dispatcher_.Opening(e), MenuOpening::Menu) << e;
    Choose(4, 2021);
    EXPECT_EQ(Fn(4), kFnDpi);
    EXPECT_EQ(record_.KeyDpiAction[4], kDpiDown);
    EXPECT_EQ(Label(4), "DPI -");
}

TEST(AssignmentMenuTest, ShiftOnlyInTheBaseLayerAndTheFixedWidths) {
    const UiTextTable text = FillTextTable("EN");
    for (int entry = 0; entry < kEntryCount; ++entry) {
        const AssignmentMenu menu = BuildAssignmentMenu(entry, text, "EN");
        EXPECT_EQ(menu.width, 120);
        EXPECT_EQ(menu.items.size(), entry < 7 ? 14u : 13u) << entry;
        EXPECT_EQ(ItemText(menu, kMenuShift), entry < 7 ? "Shift" : "(no item)") << entry;
    }
    const AssignmentMenu menu = BuildAssignmentMenu(0, text, "EN");
    std::vector<std::pair<std::string, int>> submenus;
    for (const auto& item : menu.items) {
        if (!item.submenu.empty())
            submenus.emplace_back(item.text, item.submenuWidth);
    }
    EXPECT_EQ(submenus, (std::vector<std::pair<std::string, int>>{{"DPI Setting +", 50},
                                                                  {"Multimedia Commands +", 100},
                                                                  {"Basic Commands +", 100},
                                                                  {"Additional Commands +", 120}}));
    EXPECT_EQ(menu.items.back().text, "Deactivated");
}

}  // namespace
}  // namespace vorlak
