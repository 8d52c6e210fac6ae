// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the skin images, relative to the Skins folder, written once: the window reads
// them through SkinPath (after InSkins) and the artwork generator writes the files under them,
// so a name cannot drift between the two. A new panel or dialog adds its names here: a
// constant per image, a small function per numbered family or per normal/over pair.
#pragma once

#include <string>
#include <string_view>

#include "config/install_folders.h"

namespace vorlak::skin {

// The main window.
inline constexpr std::string_view kMainLeft = "BK_MainLeft.png";
inline constexpr std::string_view kMainMid = "BK_MainMid.png";
inline constexpr std::string_view kMainRight = "BK_MainRight.png";
inline constexpr std::string_view kLogo = "Logo.png";
inline constexpr std::string_view kMouseLogo = "MLogo.png";
inline constexpr std::string_view kAssignmentPanel = "ButtonAssignment/BK_ButtonAssignment.png";
inline constexpr std::string_view kAxisPanel = "XYSensitivity/BK_XYSensSetting.png";
inline constexpr std::string_view kSplash = "splash.png";

// The application icon of a side in pixels: "icon-16.png" ...
inline std::string AppIcon(int side) {
    return "icon-" + std::to_string(side) + ".png";
}

// A name as SkinPath takes it: inside the Skins folder.
inline std::string InSkins(std::string_view name) {
    std::string path(kSkinFolderName);
    return path.append("/").append(name);
}

}  // namespace vorlak::skin
