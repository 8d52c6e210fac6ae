// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/macro_follow.h"

namespace vorlak {

std::vector<std::pair<int, EntryChoice>> FollowMacros(const MouseConfig& record,
                                                      const MacroMoves& moves) {
    std::vector<std::pair<int, EntryChoice>> choices;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        const auto e = static_cast<std::size_t>(entry);
        const std::size_t number = record.KeyMacroIndex[e];
        if (record.KeyFunction[e] != kFnMacro || number >= moves.number.size())
            continue;
        if (moves.number[number] == MacroMoves::kDeleted)
            choices.emplace_back(entry, PlainChoice{kFnDeactivated});
        else if (!moves.name[number].empty())
            choices.emplace_back(entry, MacroChoice{moves.number[number], record.KeyMacroMode[e],
                                                    moves.name[number]});
    }
    return choices;
}

}  // namespace vorlak
