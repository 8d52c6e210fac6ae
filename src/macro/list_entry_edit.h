// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the in-place list editor: which text an entry takes when its edit is committed.
// The editor serves three lists: the profile names, the delays of a macro's events and the
// macro names.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlak {

enum class ListEditMode : std::uint8_t { ProfileName = 1, Delay = 2, MacroName = 3 };

inline constexpr int kMaxEditedDelay = 65535;

// The text of entry `index` of `entries` after an edit that ended with `typed` committed:
// - Delay: the leading number of typed (0 when none) up to 65535, followed by " ms".
// - ProfileName: typed, unless it equals (exactly) the text of an entry; then the old text.
// - MacroName: typed, unless the store cannot hold it or another macro has that name (as the
//   store compares names); then the old text.
std::string CommittedEntryText(ListEditMode mode, std::string_view typed,
                               std::span<const std::string> entries, std::size_t index);

}  // namespace vorlak
