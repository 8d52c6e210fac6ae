// SPDX-License-Identifier: GPL-3.0-or-later
// What the skinned dialogs share as data: a button they paint themselves, its rectangle and
// the images of its normal and hovered state.
#pragma once

#include <string_view>

#include "skin/skin_geometry.h"

namespace vorlak::layout {

struct PaintedButtonLayout {
    PixelRect rect;
    std::string_view normal;
    std::string_view hover;
};

}  // namespace vorlak::layout
