// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/caption_fit.h"

namespace vorlak {

CaptionFit FitCaption(std::span<const int> widths, int ownPixels, int room) {
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (widths[i] <= room)
            return {ownPixels - static_cast<int>(i), 0};
    }
    if (widths.empty())
        return {ownPixels, 0};
    return {ownPixels - static_cast<int>(widths.size()) + 1, widths.back() - room};
}

}  // namespace vorlak
