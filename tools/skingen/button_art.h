// SPDX-License-Identifier: GPL-3.0-or-later
// Push buttons, section headers, label boxes, check marks and the small icons of the dialogs.
#pragma once

#include "skin_set.h"

namespace skingen {

void AddButtonArt(SkinSet& skins);

}  // namespace skingen
