// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon in several sizes and the tray icon.
#pragma once

#include "skin_set.h"

namespace skingen {

// Adds "icon-N.png" for N = 16, 24, 32, 48, 64, 128 and 256 (the desktop's icon sizes) and
// "tray-icon.png" (32 x 32).
void AddAppIcons(SkinSet& skins);

}  // namespace skingen
