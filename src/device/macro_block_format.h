// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's 128-byte macro block: a big-endian loop count, then one record per key stroke,
// each with the wait after it; the rest zero.
#pragma once

#include <array>
#include <span>

#include "record/mouse_config.h"

namespace vorlak {

inline constexpr int kMinMacroDelay = 10;       // the shortest wait a record carries
inline constexpr int kMaxMacroDelay = 6553599;  // the longest delay a long record can carry

// A key pressed or released, and the milliseconds the mouse waits after it.
struct MacroStroke {
    bool release = false;
    Byte usage = 0;  // the keyboard usage
    int delay = kMinMacroDelay;
};

struct EncodedMacro {
    std::array<Byte, kMacroBlockSize> block{};
    // Press and release events left out because the event area was full: encoding stops
    // at the first record that does not fit, and every later key event counts too.
    int dropped = 0;
};

// Loop counts outside 1..65535 go out as 1; waits are held to kMinMacroDelay..kMaxMacroDelay.
// A stroke takes a short record (wait in tens of milliseconds up to 1270 ms) or a long one.
EncodedMacro EncodeMacroStrokes(int loops, std::span<const MacroStroke> strokes);

}  // namespace vorlak
