// SPDX-License-Identifier: GPL-3.0-or-later
// The two pictures of the mouse and the seven button overlays of each.
#pragma once

#include "skin_set.h"

namespace skingen {

// Adds "Mouse/Front/MouseFront.png", "Mouse/Side/MouseSide.png" and the overlays
// "Mouse/Front/F-n-normal.png" / "-over.png" and "Mouse/Side/S-n-..." (n = 1..7). Each overlay
// is cut from its placing position, so its content lines up with the picture placed at its
// own position; throws ArtError when drawn content would fall outside its image.
void AddMouseArt(SkinSet& skins);

}  // namespace skingen
