// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer-speed and double-click panels as data: the half-circle dial picture and its
// centre, and the Slow and Fast labels at its ends. Client pixels of the panel. Qt-free.
#pragma once

#include "skin/settings_column_layout.h"

namespace vorlak::layout::speed_dial {

inline constexpr PixelSize kSize{settings_column::kPanelWidth, 108};
inline constexpr int kFontHeight = 13;
inline constexpr PixelRect kDial{50, 20, 192, 103};
inline constexpr PixelPoint kCentre{121, 91};
inline constexpr PixelRect kSlowRect{5, 73, 50, 103};
inline constexpr PixelRect kFastRect{192, 73, 237, 103};

}  // namespace vorlak::layout::speed_dial
