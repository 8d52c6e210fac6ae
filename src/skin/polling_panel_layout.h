// SPDX-License-Identifier: GPL-3.0-or-later
// The polling-rate panel as data: the dial picture, whose corner and centre the panel places
// and the click rule measures from. Client pixels of the panel. Qt-free.
#pragma once

#include "skin/settings_column_layout.h"

namespace vorlak::layout::polling_panel {

inline constexpr PixelSize kSize{settings_column::kPanelWidth, 133};
inline constexpr PixelRect kDial{57, 5, 185, 128};
inline constexpr PixelPoint kDialCentre{121, 66};

}  // namespace vorlak::layout::polling_panel
