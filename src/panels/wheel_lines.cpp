// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/wheel_lines.h"

#include <algorithm>

namespace vorlak {

std::optional<int> WheelLinesFromText(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), kMostWheelLines + 1);
    }
    if (value < kMinWheelLines || value > kMostWheelLines)
        return std::nullopt;
    return value;
}

int WheelLinesUp(int stored) {
    return std::min((stored + 1) & 0xFF, kMostWheelLines);
}

int WheelLinesDown(int stored) {
    const int lines = (stored - 1) & 0xFF;
    return lines == 0 ? 1 : lines;
}

}  // namespace vorlak
