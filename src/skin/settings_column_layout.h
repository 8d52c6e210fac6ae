// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column as data: its background, the section titles stacked in it and the width
// every panel shares. Client pixels of the column. Qt-free: the column reads it and the
// artwork generator draws to it.
#pragma once

#include "skin/skin_geometry.h"
#include "skin/skin_names.h"

namespace vorlak::layout::settings_column {

// The section titles: the header image cut to this size, the caption indented in this font.
inline constexpr int kTitleWidth = 242;
inline constexpr int kTitleHeight = 20;
inline constexpr int kTitleFontHeight = 13;
inline constexpr int kTitleIndent = 5;
// The caption keeps clear of the arrow at the title's right.
inline constexpr int kTitleArrowRoom = 16;
// The first title's top, and the gap between a section and the next title.
inline constexpr int kFirstTitleTop = 2;
inline constexpr int kSectionGap = 5;
// Every panel is as wide as a title and as tall as its lowest element plus a small margin.
inline constexpr int kPanelWidth = kTitleWidth;
// The skinned scroll bar at the column's right: its skin is a grid of 9 columns (up arrow, down
// arrow, thumb, track ...) and 3 rows (normal, hot, pressed) of cells as wide as the bar.
inline constexpr int kScrollBarWidth = 13;
inline constexpr PixelSize kScrollSkinSize{9 * kScrollBarWidth, 3 * 16};

}  // namespace vorlak::layout::settings_column
