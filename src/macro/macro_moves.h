// SPDX-License-Identifier: GPL-3.0-or-later
// Where the macros went while the macro manager was open: what an assignment of macro number
// i (as numbered when the manager opened) now points at.
#pragma once

#include <array>
#include <string>

#include "record/mouse_config.h"

namespace vorlak {

struct MacroMoves {
    static constexpr int kDeleted = -1;
    // The macro's number now, or kDeleted. A number that named no macro stays as it is.
    std::array<int, kMacroSlots> number{};
    // Its name now; "" when deleted or when the number named no macro.
    std::array<std::string, kMacroSlots> name;
};

}  // namespace vorlak
