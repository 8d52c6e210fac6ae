// The application icon in several sizes and the tray icon.
#pragma once

#include "skin_set.h"

namespace skingen {

// Adds "icon-16.png", "icon-32.png", "icon-48.png", "icon-64.png", "icon-256.png" and
// "tray-icon.png" (32 x 32).
void AddAppIcons(SkinSet& skins);

}  // namespace skingen
