// SPDX-License-Identifier: GPL-3.0-or-later
// Which macro names the store can hold. A macro's name is at once a value of the name
// list and the header of its own section, so a name must survive both unchanged.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorlak {

// The section that holds the name list.
inline constexpr std::string_view kMacroNameSection = "MacroName";

// False for a name that would corrupt the store or not read back as written: empty,
// leading or trailing blanks, a line break, "[", "]", "=", "MacroName" in any case, a pair
// of surrounding double quotes (a read removes them), or longer than a read returns.
bool IsStorableMacroName(std::string_view name);

// Names compare as the store compares section names: ASCII letters ignoring case.
bool SameMacroName(std::string_view a, std::string_view b);

// A storable name that matches none of otherNames (the list without the macro being named).
bool IsValidMacroName(std::string_view name, std::span<const std::string> otherNames);

// The name New gives a macro: prefix + "_" + number. The number is one more than the leading
// number after the first "_" of the last name, or the count of names plus one when the list
// is empty or its last name has no "_". A number whose name is taken already (a list whose
// order was changed by renames) is passed over, so two macros never share a section.
std::string NewMacroName(std::span<const std::string> names, std::string_view prefix);

}  // namespace vorlak
