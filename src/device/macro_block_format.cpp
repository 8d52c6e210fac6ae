// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/macro_block_format.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vorlak {
namespace {

constexpr int kShortFormMaxDelay = 1270;
constexpr int kMaxLoopCount = 65535;
constexpr Byte kReleaseFlag = 0x80;
constexpr std::size_t kStrokesStart = 2;

// One stroke's record: short form up to 1270 ms, long form above.
std::vector<Byte> StrokeRecord(const MacroStroke& stroke) {
    const Byte flag = stroke.release ? kReleaseFlag : 0;
    const int delay = std::clamp(stroke.delay, kMinMacroDelay, kMaxMacroDelay);
    if (delay <= kShortFormMaxDelay)
        return {static_cast<Byte>(flag | delay / 10), stroke.usage};
    const int hundreds = delay / 100;
    return {static_cast<Byte>(flag | delay % 100),
            stroke.usage,
            0x00,
            0x03,
            static_cast<Byte>(hundreds >> 8),
            static_cast<Byte>(hundreds & 0xFF)};
}

}  // namespace

EncodedMacro EncodeMacroStrokes(int loops, std::span<const MacroStroke> strokes) {
    EncodedMacro out;
    const int count = (loops < 1 || loops > kMaxLoopCount) ? 1 : loops;
    out.block[0] = static_cast<Byte>(count >> 8);
    out.block[1] = static_cast<Byte>(count & 0xFF);
    std::size_t at = kStrokesStart;
    for (const MacroStroke& stroke : strokes) {
        if (out.dropped > 0) {
            ++out.dropped;
            continue;
        }
        const std::vector<Byte> record = StrokeRecord(stroke);
        if (record.size() > out.block.size() - at) {
            out.dropped = 1;
            continue;
        }
        std::ranges::copy(record, out.block.begin() + static_cast<std::ptrdiff_t>(at));
        at += record.size();
    }
    return out;
}

}  // namespace vorlak
