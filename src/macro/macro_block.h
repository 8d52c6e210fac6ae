// SPDX-License-Identifier: GPL-3.0-or-later
// The record's macro slots from the macro store: what each macro plays (its loop count, its
// key strokes and the wait after each), put into the mouse's block by device/macro_block_format.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/macro_block_format.h"
#include "record/mouse_config.h"

namespace vorlak {

class MacroStore;
struct NamedMacro;
struct StoredMacro;

// The twelve 130-byte rows that hold blocks: the record's slots and the manager's staging.
using MacroRows = std::array<std::array<Byte, kMacroSlotSize>, kMacroSlots>;
// Dropped events per macro number 0..11.
using MacroDropCounts = std::array<int, kMacroSlots>;

// The loop text's count; each key event takes the delay of a delay text right after it (the
// shortest wait otherwise). No events give 128 zero bytes.
EncodedMacro EncodeMacroBlock(std::string_view loopText, std::span<const std::string> events);
// A macro as the store holds it: as above, but one whose "ItemCount" states events plays
// its loop count even when no item key is there (its events read as "" and encode nothing).
EncodedMacro EncodeStoredMacro(const StoredMacro& macro);

// Writes the first 128 bytes of slot i for each stored macro i (at most twelve); the last
// two bytes of every slot and the slots beyond the store's macros stay. A missing store
// changes nothing.
MacroDropCounts RebuildMacroSlots(const MacroStore& store, MouseConfig& record);

// With macros listed (the store's first twelve): clears all twelve rows, then encodes macro
// i into row i. Otherwise the rows keep their content.
MacroDropCounts EncodeStagingRows(const std::vector<NamedMacro>& macros, MacroRows& rows);

}  // namespace vorlak
