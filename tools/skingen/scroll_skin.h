// SPDX-License-Identifier: GPL-3.0-or-later
// The skin of the settings column's scroll bar: 9 columns x 3 rows of cells.
#pragma once

#include "skin_set.h"

namespace skingen {

// Adds "ScrollBar.png" (117 x 48, no alpha).
void AddScrollSkin(SkinSet& skins);

}  // namespace skingen
