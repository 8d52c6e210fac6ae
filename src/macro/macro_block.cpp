// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_block.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "keys/key_table.h"
#include "macro/macro_event.h"
#include "macro/macro_store.h"

namespace vorlak {

namespace {

constexpr int kMinDelay = 10;
constexpr int kShortFormMaxDelay = 1270;
constexpr int kMaxLoopCount = 65535;
constexpr Byte kReleaseFlag = 0x80;
constexpr std::size_t kEventsStart = 2;

int LoopCount(std::string_view loopText) {
    const int count = ParseLeadingInt(loopText);
    return (count < 1 || count > kMaxLoopCount) ? 1 : count;
}

// The delay of the key event at index: the delay text right after it, else the minimum.
int DelayAfter(std::span<const std::string> events, std::size_t index) {
    int delay = kMinDelay;
    if (index + 1 < events.size()) {
        const MacroEvent next = ClassifyEvent(events[index + 1]);
        if (next.kind == EventKind::kDelay)
            delay = next.delay;
    }
    return std::clamp(delay, kMinDelay, kMaxMacroDelay);
}

// One event record: short form up to 1270 ms, long form above.
std::vector<Byte> EventRecord(const MacroEvent& event, int delay) {
    const Byte flag = event.kind == EventKind::kRelease ? kReleaseFlag : 0;
    const Byte code = MacroKeyNameToUsage(event.keyName);
    if (delay <= kShortFormMaxDelay) {
        return {static_cast<Byte>(flag | delay / 10), code};
    }
    const int hundreds = delay / 100;
    return {
        static_cast<Byte>(flag | delay % 100), code, 0x00, 0x03, static_cast<Byte>(hundreds >> 8),
        static_cast<Byte>(hundreds & 0xFF)};
}

bool IsKeyEvent(const MacroEvent& event) {
    return event.kind == EventKind::kPress || event.kind == EventKind::kRelease;
}

// The loop count and the key events; no event gives the loop count alone.
EncodedMacro EncodeEvents(std::string_view loopText, std::span<const std::string> events) {
    EncodedMacro out;
    const int loops = LoopCount(loopText);
    out.block[0] = static_cast<Byte>(loops >> 8);
    out.block[1] = static_cast<Byte>(loops & 0xFF);
    std::size_t at = kEventsStart;
    for (std::size_t j = 0; j < events.size(); ++j) {
        const MacroEvent event = ClassifyEvent(events[j]);
        if (!IsKeyEvent(event))
            continue;
        if (out.dropped > 0) {
            ++out.dropped;
            continue;
        }
        const std::vector<Byte> record = EventRecord(event, DelayAfter(events, j));
        if (record.size() > out.block.size() - at) {
            out.dropped = 1;
            continue;
        }
        std::ranges::copy(record, out.block.begin() + static_cast<std::ptrdiff_t>(at));
        at += record.size();
    }
    return out;
}

// Encodes the listed macros into the first 128 bytes of their rows.
MacroDropCounts EncodeIntoRows(const std::vector<NamedMacro>& macros, MacroRows& rows) {
    MacroDropCounts dropped{};
    for (std::size_t i = 0; i < macros.size() && i < rows.size(); ++i) {
        const StoredMacro& macro = macros[i].macro;
        const EncodedMacro encoded = EncodeStoredMacro(macro);
        std::ranges::copy(encoded.block, rows[i].begin());
        dropped[i] = encoded.dropped;
    }
    return dropped;
}

}  // namespace

EncodedMacro EncodeMacroBlock(std::string_view loopText, std::span<const std::string> events) {
    return events.empty() ? EncodedMacro{} : EncodeEvents(loopText, events);
}

EncodedMacro EncodeStoredMacro(const StoredMacro& macro) {
    return macro.events.empty() && !macro.statesEvents ? EncodedMacro{}
                                                       : EncodeEvents(macro.loopText, macro.events);
}

MacroDropCounts RebuildMacroSlots(const MacroStore& store, MouseConfig& record) {
    return EncodeIntoRows(store.ReadMacros(kMacroSlots), record.macroSlot);
}

MacroDropCounts EncodeStagingRows(const std::vector<NamedMacro>& macros, MacroRows& rows) {
    if (macros.empty())
        return {};
    for (auto& row : rows)
        row.fill(0);
    return EncodeIntoRows(macros, rows);
}

}  // namespace vorlak
