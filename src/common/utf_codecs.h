// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 and UTF-16LE conversion for files that may hold either. Text that is not valid
// survives where it can: an unpaired UTF-16 surrogate keeps its 3-byte UTF-8 form, so a
// UTF-16 file read and written again gives back the same units; a byte that starts no valid
// UTF-8 sequence counts as one character and becomes U+FFFD in UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlak {

struct CodePoint {
    char32_t value;
    std::size_t length;  // bytes taken; 1 for a byte that starts no valid sequence
    bool valid;
};

// Decodes the UTF-8 sequence at text[at] (at < text.size()). Encoded surrogates
// (ED A0..BF xx) are accepted.
CodePoint DecodeUtf8(std::string_view text, std::size_t at);
// Appends the UTF-8 form of a code point (a surrogate too).
void AppendUtf8(std::string& out, char32_t value);
// Text cut after maxChars characters; an invalid byte counts as one character.
std::string_view CutUtf8(std::string_view text, std::size_t maxChars);

// UTF-16LE code units as UTF-8; an odd last byte is left in rest.
std::string Utf16LeToUtf8(std::string_view bytes, std::string& rest);
// UTF-8 text as UTF-16LE code units.
std::string Utf8ToUtf16Le(std::string_view text);

}  // namespace vorlak
