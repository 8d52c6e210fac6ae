// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel panel as data: the two marks with their labels, the lines field on its image and
// its spin arrows. Client pixels of the panel. Qt-free.
#pragma once

#include "skin/settings_column_layout.h"

namespace vorlak::layout::wheel_panel {

inline constexpr PixelSize kSize{settings_column::kPanelWidth, 70};
inline constexpr int kFontHeight = 13;
// The marks take clicks in their rectangles; their images are this large.
inline constexpr PixelRect kLinesMark{5, 17, 16, 30};
inline constexpr PixelRect kScreenMark{5, 50, 16, 62};
inline constexpr PixelSize kMarkImageSize{11, 12};
// The first label ends where the lines field begins, not under it.
inline constexpr PixelRect kLinesLabel{24, 14, 146, 30};
inline constexpr PixelRect kScreenLabel{24, 50, 156, 62};
inline constexpr PixelRect kLinesField{150, 15, 186, 29};
inline constexpr PixelRect kUpArrow{190, 15, 200, 21};
inline constexpr PixelRect kDownArrow{190, 23, 200, 29};

}  // namespace vorlak::layout::wheel_panel
