// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons follow their macros when the macro manager ends with OK: an entry whose macro moved
// up takes its new number, one whose macro was deleted becomes Deactivated, and the label of
// a renamed macro shows the new name.
#pragma once

#include <utility>
#include <vector>

#include "assign/entry_assignment.h"
#include "macro/macro_moves.h"
#include "record/mouse_config.h"

namespace vorlak {

// The assignment each macro entry (0..13) takes, for the record editor to apply in order:
// Deactivated for a deleted macro, the macro under its present number and name (the play
// mode kept) for the others. Entries whose number named no macro are left out.
std::vector<std::pair<int, EntryChoice>> FollowMacros(const MouseConfig& record,
                                                      const MacroMoves& moves);

}  // namespace vorlak
