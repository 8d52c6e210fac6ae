// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window as data: it takes the size of its picture. Qt-free.
#pragma once

#include "skin/skin_geometry.h"

namespace vorlak::layout::splash {

inline constexpr PixelSize kSize{480, 270};

}  // namespace vorlak::layout::splash
