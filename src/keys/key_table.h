// SPDX-License-Identifier: GPL-3.0-or-later
// Key names, HID keyboard usages and Windows virtual-key codes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlak {

struct KeyRow {
    std::string_view name;
    std::uint8_t usage;
    int virtualKey;  // -1 when the row has none
};

// The 108 rows of the main table in lookup order.
std::span<const KeyRow> KeyTable();

// HID usage of the row named exactly name; 0 when none matches.
std::uint8_t KeyNameToUsage(std::string_view name);
// Name of the row with that usage; "N/A" when none.
std::string_view UsageToKeyName(std::uint8_t usage);
// Name for a Windows virtual-key code (112 codes); "" for any other.
std::string_view VirtualKeyToKeyName(int virtualKey);
// The macro encoding's variant: "App" instead of "Application", and "Left GUI".
std::uint8_t MacroKeyNameToUsage(std::string_view name);

}  // namespace vorlak
