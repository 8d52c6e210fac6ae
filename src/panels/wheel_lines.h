// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel panel's line count: the number field's rule and the arrows' steps. No toolkit.
#pragma once

#include <optional>
#include <string_view>

namespace vorlak {

inline constexpr int kMinWheelLines = 1;
inline constexpr int kMostWheelLines = 100;

// The field's text read as a decimal number (up to the first other character); nothing when it
// is below 1 or above 100, an empty text and a number too long to hold included.
std::optional<int> WheelLinesFromText(std::string_view text);

// The up arrow: one line more in 8 bits, at most 100 (so 255 wraps to 0).
int WheelLinesUp(int stored);
// The down arrow: one line less in 8 bits, 1 instead of 0 (so 0 wraps to 255).
int WheelLinesDown(int stored);

}  // namespace vorlak
