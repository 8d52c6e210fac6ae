// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of an INI file as the Windows private-profile functions read them:
// - Lines end at CRLF, LF or a lone CR. A lone CR counts as a line end so that no
//   value can ever carry a line break (written values are cut at the first CR or LF).
// - After leading blanks, ";" starts a comment line. "[" starts a section header
//   when the line holds a "]": the name is what lies between "[" and the first "]",
//   blanks trimmed; the rest of the line is ignored. A "[" line without "]" is not a
//   header (the private-profile reader skips such a header as invalid): it stays in the
//   section above, as a key when it holds "=", otherwise as an untouched text line.
// - Inside a section a line with "=" is a key: the name is the text before the first
//   "=", the value the text after it, both trimmed of blanks. Lines before the first
//   header belong to no section and are never read.
// - Names compare ignoring ASCII case.
// What a read takes for every line is defined here, so that it inlines into the reading loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlak::ini {

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The section name of a header line, nothing for other lines.
inline std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// The key name of a line inside a section, nothing for comments and lines without "=".
inline std::optional<std::string_view> KeyName(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = Trim(line.substr(0, equals));
    if (!name.empty() && name.front() == ';')
        return std::nullopt;
    return name;
}

// Where the line from `at` ends: at its line end or at the end of the text. (A plain loop:
// find_first_of calls memchr per byte, which made reading ten times slower.)
inline std::size_t LineEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] != '\n' && text[at] != '\r')
        ++at;
    return at;
}

// The length of the line end at text[at]: "\r\n", "\n", "\r", or none at the end of text.
inline std::size_t LineEndLength(std::string_view text, std::size_t at) {
    if (text.substr(at, 2) == "\r\n")
        return 2;
    return at < text.size() ? 1 : 0;
}

// The value of a key line as a read gives it: trimmed, one pair of quotes removed.
std::string_view Value(std::string_view keyLine);
// The text to write after "=" so that a read gives back value: inside double quotes when a
// read would change it (blanks around it, a pair of surrounding quotes), else as it is.
std::string WrittenValue(std::string_view value);
// Whether the names can be written so that they read back as themselves: no line break, a
// section without "]", a key without "=", not starting with ";" or "[" (its line could read
// as a header once the value holds a "]").
bool WritableNames(std::string_view section, std::string_view key);

bool SameName(std::string_view a, std::string_view b);
// A hash of the name that ignores case, within a scope (a number that sets apart equal
// names of different sections).
std::size_t NameHash(std::string_view name, std::uint32_t scope);

// open + text + close.
std::string Enclosed(std::string_view open, std::string_view text, std::string_view close);

}  // namespace vorlak::ini
