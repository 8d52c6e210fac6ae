// SPDX-License-Identifier: GPL-3.0-or-later
// The four-byte key-matrix entries of the assignment functions and the two 64-byte key
// matrices (base layer, Shift layer) that the mouse stores.
#pragma once

#include <array>
#include <cstddef>

#include "record/function_codes.h"
#include "record/mouse_config.h"

namespace vorlak {

// One key-matrix slot in transmission order. b0 is the kind of action: 00 keyboard
// (b1 modifier mask, b2 b3 usages), 01 mouse button (b2), 03 consumer usage (b2 b3
// little-endian), 07 DPI, 08 layer Shift, 09 macro, 0A double click.
using KeyEntry = std::array<Byte, 4>;

inline constexpr int kMatrixSlots = 16;
inline constexpr int kMatrixSize = kMatrixSlots * 4;

// The key-matrix slot of base entry 0..6: entries 3 and 4 are exchanged. -1 for other entries.
constexpr int MatrixSlotOfBaseEntry(int baseEntry) {
    constexpr std::array<int, kBaseEntryCount> kSlots = {0, 1, 2, 4, 3, 5, 6};
    return baseEntry >= 0 && baseEntry < kBaseEntryCount
               ? kSlots[static_cast<std::size_t>(baseEntry)]
               : -1;
}

struct KeyMatrices {
    std::array<Byte, kMatrixSize> base{};   // sent as key matrix 0
    std::array<Byte, kMatrixSize> shift{};  // sent as key matrix 3
};

// The slot bytes of entry 0..13 from its function code and parameter field. A DPI function
// needs one of DPI stages 1..6 enabled; undefined codes, an entry outside 0..13 and a
// Windows-shortcut index above 6 give 00 00 00 00.
KeyEntry EncodeKeyEntry(const MouseConfig& record, int entry);

// Base entries go to their slots with entries 3 and 4 exchanged, Shift entries 7..13 to
// slots 0..6 in order; slots 7..13 stay zero and slots 14 and 15 hold fixed button codes.
KeyMatrices BuildKeyMatrices(const MouseConfig& record);

}  // namespace vorlak
