// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/ini_lines.h"

#include <algorithm>

namespace vorlak::ini {
namespace {

bool IsQuotedPair(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view Value(std::string_view keyLine) {
    std::string_view value = Trim(keyLine.substr(keyLine.find('=') + 1));
    if (IsQuotedPair(value))
        value = value.substr(1, value.size() - 2);
    return value;
}

// "Scroll " is written as "\"Scroll \"", which reads back as "Scroll ".
std::string WrittenValue(std::string_view value) {
    bool readChangesIt =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuotedPair(value));
    return readChangesIt ? Enclosed("\"", value, "\"") : std::string(value);
}

bool WritableNames(std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    if (HasLineBreak(section) || HasLineBreak(key))
        return false;
    const std::string header = Enclosed("[", section, "]");
    const std::string keyLine = Enclosed("", key, "=");
    return HeaderName(header) == section && KeyName(keyLine) == key && !key.starts_with('[');
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// FNV-1a over the lower-case bytes, the scope mixed into its start.
std::size_t NameHash(std::string_view name, std::uint32_t scope) {
    std::uint64_t hash = 14695981039346656037ull ^ scope;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
}

// Appended into one reserved string: GCC 12 flags the operator+ chain with a literal as an
// overlapping copy (a false -Wrestrict) when optimising.
std::string Enclosed(std::string_view open, std::string_view text, std::string_view close) {
    std::string out;
    out.reserve(open.size() + text.size() + close.size());
    out.append(open).append(text).append(close);
    return out;
}

}  // namespace vorlak::ini
