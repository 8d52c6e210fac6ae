// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager as data: its background, the title, the list of profiles, the close box
// and the New and Delete buttons (a click area, its icon and its caption). Client pixels.
// Qt-free: the window reads it and the artwork generator draws to it.
#pragma once

#include "skin/dialog_layout.h"
#include "skin/skin_names.h"

namespace vorlak::layout::profile_manager {

// The window takes the size of its background image (this size when it is missing).
inline constexpr PixelSize kSize{263, 600};
inline constexpr int kTitleHeight = 31;
// The title reaches to the close box, so that no language's title is cut.
inline constexpr PixelRect kTitleRect{10, 0, 238, 31};
inline constexpr PixelRect kListRect{0, 31, 263, 575};
inline constexpr int kRowHeight = 18;
inline constexpr int kMenuWidth = 120;
// The close box shows one image; it takes clicks in its rectangle.
inline constexpr PaintedButtonLayout kClose{
    {240, 8, 255, 23}, skin::kCloseNormal, skin::kCloseNormal};

// New and Delete: a click area along the bottom bar, its icon and its caption in it.
inline constexpr PixelSize kIconSize{14, 14};
struct IconButton {
    PixelRect hit;
    std::string_view icon;
    PixelPoint iconAt;
    PixelRect caption;
};
inline constexpr IconButton kNew{
    {0, 575, 100, 598}, skin::kNewProfile, {14, 582}, {30, 575, 80, 598}};
inline constexpr IconButton kDelete{
    {110, 575, 230, 598}, skin::kDeleteProfile, {124, 582}, {140, 575, 190, 598}};

}  // namespace vorlak::layout::profile_manager
