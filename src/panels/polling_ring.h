// SPDX-License-Identifier: GPL-3.0-or-later
// The polling-rate dial: which quarter of its ring a click hits, and the picture of a rate
// code. No toolkit.
#pragma once

#include <optional>
#include <string>

namespace vorlak {

inline constexpr int kPollingInnerRadius = 35;
inline constexpr int kPollingOuterRadius = 64;
// A stored code of 0 counts as this one (500 Hz).
inline constexpr int kDefaultPollingCode = 2;

// The rate code of a click at (dx, dy) from the dial's centre (y grows downwards): on the ring
// 35 <= distance <= 64, 1 (1000 Hz) upper right, 2 (500 Hz) lower right, 4 (250 Hz) lower
// left, 8 (125 Hz) upper left. Nothing off the ring or exactly on an axis.
std::optional<int> PollingCodeAt(int dx, int dy);

// The skin image of a code: "Skins\USBReportRate/<1000 / code>HZ.png". Only 125, 250, 500 and
// 1000 have pictures, so other codes show none. `code` is not 0.
std::string PollingRateImage(int code);

}  // namespace vorlak
