// SPDX-License-Identifier: GPL-3.0-or-later
// Window backgrounds: the main window and its pieces, the left-column sections, the settings
// column, the dialogs and the splash picture.
#pragma once

#include "skin_set.h"

namespace skingen {

void AddWindowArt(SkinSet& skins);

}  // namespace skingen
