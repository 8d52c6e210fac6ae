// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/polling_ring.h"

#include <cmath>

#include "skin/skin_names.h"

namespace vorlak {

std::optional<int> PollingCodeAt(int dx, int dy) {
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (distance < kPollingInnerRadius || distance > kPollingOuterRadius || dx == 0 || dy == 0)
        return std::nullopt;
    if (dy < 0)
        return dx > 0 ? 1 : 8;
    return dx > 0 ? 2 : 4;
}

// The separators as the dial's pictures have always been named.
std::string PollingRateImage(int code) {
    return std::string(kSkinFolderName) + "\\/" + skin::PollingDial(1000 / code);
}

}  // namespace vorlak
