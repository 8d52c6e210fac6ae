// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/list_entry_edit.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlak {
namespace {

struct EditCase {
    ListEditMode mode;
    std::string typed;
    std::string expected;
};

TEST(ListEntryEditTest, CommittedTextsFollowTheRulesOfEachMode) {
    const std::vector<std::string> profiles = {"Profile 1", "Profile 2"};
    const std::vector<std::string> delays = {"Left Button   Dn", "20 ms", "Left Button   Up"};
    const std::vector<std::string> macros = {"Macro_1", "Macro_2"};
    const std::vector<EditCase> profileCases = {
        {ListEditMode::ProfileName, "Game", "Game"},
        {ListEditMode::ProfileName, "Profile 2", "Profile 1"},  // another entry's name
        {ListEditMode::ProfileName, "Profile 1", "Profile 1"},  // its own name
        {ListEditMode::ProfileName, "profile 2", "profile 2"},  // names compare exactly
        {ListEditMode::ProfileName, "", ""},                    // an empty name is taken
    };
    const std::vector<EditCase> delayCases = {
        {ListEditMode::Delay, "70000", "65535 ms"},
        {ListEditMode::Delay, "65535", "65535 ms"},
        {ListEditMode::Delay, "0", "0 ms"},
        {ListEditMode::Delay, "", "0 ms"},
        {ListEditMode::Delay, "007", "7 ms"},
        {ListEditMode::Delay, "99999999999", "65535 ms"},
        {ListEditMode::Delay, "-5", "0 ms"},
    };
    const std::vector<EditCase> macroCases = {
        {ListEditMode::MacroName, "Jump", "Jump"},
        {ListEditMode::MacroName, "Macro_2", "Macro_1"},
        {ListEditMode::MacroName, "MACRO_2", "Macro_1"},  // the store ignores case
        {ListEditMode::MacroName, "macro_1", "macro_1"},  // its own name in another case
        {ListEditMode::MacroName, "a=b", "Macro_1"},      // the store cannot hold it
        {ListEditMode::MacroName, "", "Macro_1"},
    };
    for (const EditCase& c : profileCases)
        EXPECT_EQ(CommittedEntryText(c.mode, c.typed, profiles, 0), c.expected) << c.typed;
    for (const EditCase& c : delayCases)
        EXPECT_EQ(CommittedEntryText(c.mode, c.typed, delays, 1), c.expected) << c.typed;
    for (const EditCase& c : macroCases)
        EXPECT_EQ(CommittedEntryText(c.mode, c.typed, macros, 0), c.expected) << c.typed;
}

}  // namespace
}  // namespace vorlak
