// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/macro_follow.h"

#include <gtest/gtest.h>

#include "assign/function_catalogue.h"

namespace vorlak {
namespace {

TEST(MacroFollow, ButtonsFollowMovedRenamedAndDeletedMacros) {
    MouseConfig record{};
    ResetToDefaults(record);
    const auto setMacro = [&record](int entry, int number, Byte mode) {
        record.KeyFunction[static_cast<std::size_t>(entry)] = kFnMacro;
        record.KeyMacroIndex[static_cast<std::size_t>(entry)] = static_cast<Byte>(number);
        record.KeyMacroMode[static_cast<std::size_t>(entry)] = mode;
    };
    setMacro(2, 0, 1);   // deleted
    setMacro(4, 2, 2);   // moved up and renamed
    setMacro(9, 1, 0);   // moved up
    setMacro(11, 7, 1);  // named no macro
    MacroMoves moves;
    moves.number = {MacroMoves::kDeleted, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    moves.name[1] = "Macro_2";
    moves.name[2] = "Jump";

    const auto choices = FollowMacros(record, moves);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].first, 2);
    EXPECT_EQ(std::get<PlainChoice>(choices[0].second).code, kFnDeactivated);
    EXPECT_EQ(choices[1].first, 4);
    const auto& jump = std::get<MacroChoice>(choices[1].second);
    EXPECT_EQ(jump.index, 1);
    EXPECT_EQ(jump.playMode, 2);
    EXPECT_EQ(jump.name, "Jump");
    EXPECT_EQ(choices[2].first, 9);
    EXPECT_EQ(std::get<MacroChoice>(choices[2].second).index, 0);
}

}  // namespace
}  // namespace vorlak
