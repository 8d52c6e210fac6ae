// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/key_matrix.h"

#include <algorithm>

namespace vorlak {
namespace {

// Entries of the functions without a parameter, by code; zero for every other code.
constexpr std::array<KeyEntry, 19> kFixedEntries = [] {
    std::array<KeyEntry, 19> e{};
    e[kFnLeftClick] = {0x01, 0x00, 0xF0, 0x00};
    e[kFnRightClick] = {0x01, 0x00, 0xF1, 0x00};
    e[kFnMiddleClick] = {0x01, 0x00, 0xF2, 0x00};
    e[kFnForward] = {0x01, 0x00, 0xF4, 0x00};
    e[kFnBack] = {0x01, 0x00, 0xF3, 0x00};
    e[kFnDoubleClick] = {0x0A, 0xF0, 0x1E, 0x02};
    e[kFnShiftDpi] = {0x07, 0x00, 0x04, 0x04};
    e[kFnShift] = {0x08, 0x00, 0x02, 0x00};
    return e;
}();

// My computer, Web Home, Search Computer (consumer usages); Maximize, Minimize (Left Alt +
// Space + X / N); Show desktop, Run (Left GUI + D / R).
constexpr std::array<KeyEntry, kWindowsShortcutCount> kWindowsShortcutEntries = {{
    {0x03, 0x00, 0x94, 0x01},
    {0x03, 0x00, 0x23, 0x02},
    {0x03, 0x00, 0x21, 0x02},
    {0x00, 0x04, 0x2C, 0x1B},
    {0x00, 0x04, 0x2C, 0x11},
    {0x00, 0x00, 0xE3, 0x07},
    {0x00, 0x00, 0xE3, 0x15},
}};

// Slots 14 and 15 of both matrices.
constexpr KeyEntry kSlot14 = {0x01, 0x00, 0xF7, 0x00};
constexpr KeyEntry kSlot15 = {0x01, 0x00, 0xF8, 0x00};

constexpr Byte kLeftControlUsage = 0xE0;
// The only multimedia usage with a high byte: 0x0183, the media player.
constexpr Byte kMediaPlayerUsageLow = 0x83;

// Only the six stages the DPI panel shows count; stage 7 is not consulted.
constexpr int kPanelDpiStages = 6;

bool AnyPanelDpiStageEnabled(const MouseConfig& record) {
    return std::any_of(record.dpiEnabled.begin(), record.dpiEnabled.begin() + kPanelDpiStages,
                       [](Byte flag) { return flag != 0; });
}

void PutSlot(std::array<Byte, kMatrixSize>& matrix, int slot, const KeyEntry& entry) {
    std::copy(entry.begin(), entry.end(), matrix.begin() + slot * 4);
}

}  // namespace

KeyEntry EncodeKeyEntry(const MouseConfig& record, int entry) {
    if (entry < 0 || entry >= kEntryCount)
        return {};
    const auto e = static_cast<std::size_t>(entry);
    const Byte code = record.KeyFunction[e];
    switch (code) {
        case kFnDpi:
            if (!AnyPanelDpiStageEnabled(record))
                return {};
            return {0x07, 0x00, record.KeyDpiAction[e], 0x00};
        case kFnMultimedia: {
            const Byte low = record.KeyMediaUsage[e];
            return {0x03, 0x00, low, static_cast<Byte>(low == kMediaPlayerUsageLow ? 1 : 0)};
        }
        case kFnOffice:
            return {0x00, 0x00, kLeftControlUsage, record.KeyOfficeKey[e]};
        case kFnWindowsShortcut:
            return record.KeyWinShortcut[e] < kWindowsShortcutCount
                       ? kWindowsShortcutEntries[record.KeyWinShortcut[e]]
                       : KeyEntry{};
        case kFnKeyboardKey:
            return {0x00, 0x00, record.KeyCode[e], 0x00};
        case kFnMacro:
            return {0x09, record.KeyMacroMode[e], static_cast<Byte>(record.KeyMacroIndex[e] + 1),
                    0x00};
        default:
            return code < kFixedEntries.size() ? kFixedEntries[code] : KeyEntry{};
    }
}

KeyMatrices BuildKeyMatrices(const MouseConfig& record) {
    KeyMatrices m;
    for (int e = 0; e < kBaseEntryCount; ++e) {
        PutSlot(m.base, MatrixSlotOfBaseEntry(e), EncodeKeyEntry(record, e));
        PutSlot(m.shift, e, EncodeKeyEntry(record, kFirstShiftEntry + e));
    }
    for (auto* matrix : {&m.base, &m.shift}) {
        PutSlot(*matrix, 14, kSlot14);
        PutSlot(*matrix, 15, kSlot15);
    }
    return m;
}

}  // namespace vorlak
