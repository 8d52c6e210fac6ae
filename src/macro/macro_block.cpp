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

// The delay of the key event at index: the delay text right after it, else the shortest wait.
int DelayAfter(std::span<const std::string> events, std::size_t index) {
    if (index + 1 < events.size()) {
        const MacroEvent next = ClassifyEvent(events[index + 1]);
        if (next.kind == EventKind::kDelay)
            return next.delay;
    }
    return kMinMacroDelay;
}

// The key events as the mouse plays them; delays become the wait of the key event before
// them, ignored texts play nothing.
std::vector<MacroStroke> StrokesOf(std::span<const std::string> events) {
    std::vector<MacroStroke> strokes;
    strokes.reserve(events.size());
    for (std::size_t j = 0; j < events.size(); ++j) {
        const MacroEvent event = ClassifyEvent(events[j]);
        if (event.kind == EventKind::kPress || event.kind == EventKind::kRelease)
            strokes.push_back({event.kind == EventKind::kRelease,
                               MacroKeyNameToUsage(event.keyName), DelayAfter(events, j)});
    }
    return strokes;
}

// The loop count and the key strokes; no stroke gives the loop count alone.
EncodedMacro EncodeEvents(std::string_view loopText, std::span<const std::string> events) {
    return EncodeMacroStrokes(ParseLeadingInt(loopText), StrokesOf(events));
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
