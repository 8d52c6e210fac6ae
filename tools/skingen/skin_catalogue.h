// SPDX-License-Identifier: GPL-3.0-or-later
// Every image of the skin folder.
#pragma once

#include "skin_set.h"

namespace skingen {

// Draws the whole skin set at `scale` device pixels per layout pixel; throws ArtError when an
// image does not fit its place.
SkinSet BuildSkinSet(int scale);

}  // namespace skingen
