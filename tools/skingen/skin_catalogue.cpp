// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_catalogue.h"

#include "app_icon.h"
#include "button_art.h"
#include "mouse_art.h"
#include "paint_kit.h"
#include "panel_art.h"
#include "scroll_skin.h"
#include "window_art.h"

namespace skingen {

SkinSet BuildSkinSet(int scale) {
    const DrawingScale drawing(scale);
    SkinSet skins;
    AddWindowArt(skins);
    AddMouseArt(skins);
    AddButtonArt(skins);
    AddPanelArt(skins);
    AddScrollSkin(skins);
    AddAppIcons(skins);
    return skins;
}

}  // namespace skingen
