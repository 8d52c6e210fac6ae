// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_name.h"

#include <algorithm>
#include <cstdint>

#include "macro/macro_event.h"
#include "record/ini_file.h"

namespace vorlak {

namespace {

constexpr std::string_view kReservedChars = "\r\n[]=";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsStorableMacroName(std::string_view name) {
    if (name.empty() || name.size() > IniFile::kMaxValueLength)
        return false;
    if (IsBlank(name.front()) || IsBlank(name.back()))
        return false;
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        return false;
    if (name.find_first_of(kReservedChars) != std::string_view::npos)
        return false;
    return !SameMacroName(name, kMacroNameSection);
}

bool SameMacroName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, FoldAscii, FoldAscii);
}

bool IsValidMacroName(std::string_view name, std::span<const std::string> otherNames) {
    return IsStorableMacroName(name) &&
           std::ranges::none_of(
               otherNames, [name](const std::string& other) { return SameMacroName(name, other); });
}

std::string NewMacroName(std::span<const std::string> names, std::string_view prefix) {
    std::int64_t number = static_cast<std::int64_t>(names.size()) + 1;
    if (!names.empty()) {
        const std::string& last = names.back();
        if (const std::size_t mark = last.find('_'); mark != std::string::npos)
            number = std::int64_t{ParseLeadingInt(std::string_view(last).substr(mark + 1))} + 1;
    }
    const auto nameOf = [prefix](std::int64_t n) {
        return std::string(prefix).append("_").append(std::to_string(n));
    };
    while (std::ranges::any_of(
        names, [&](const std::string& name) { return SameMacroName(name, nameOf(number)); })) {
        ++number;
    }
    return nameOf(number);
}

}  // namespace vorlak
