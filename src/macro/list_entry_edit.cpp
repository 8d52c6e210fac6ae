// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/list_entry_edit.h"

#include <algorithm>
#include <vector>

#include "macro/macro_event.h"
#include "macro/macro_name.h"

namespace vorlak {

std::string CommittedEntryText(ListEditMode mode, std::string_view typed,
                               std::span<const std::string> entries, std::size_t index) {
    const std::string& before = entries[index];
    switch (mode) {
        case ListEditMode::Delay:
            return std::to_string(std::clamp(ParseLeadingInt(typed), 0, kMaxEditedDelay)) + " ms";
        case ListEditMode::ProfileName:
            return std::find(entries.begin(), entries.end(), typed) != entries.end()
                       ? before
                       : std::string(typed);
        case ListEditMode::MacroName: {
            std::vector<std::string> others(entries.begin(), entries.end());
            others.erase(others.begin() + static_cast<std::ptrdiff_t>(index));
            return IsValidMacroName(typed, others) ? std::string(typed) : before;
        }
    }
    return before;
}

}  // namespace vorlak
