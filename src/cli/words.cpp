// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/words.h"

#include <cctype>
#include <charconv>

#include "cli/cli_error.h"

namespace vorlak {

int ParseNumber(std::string_view word, std::string_view what, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high) {
        ThrowUsage(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not \"" + CutText(word) + "\"");
    }
    return value;
}

std::string FoldName(std::string_view name) {
    std::string out;
    for (char c : name) {
        out += c == '-' || c == '_'
                   ? ' '
                   : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return FoldName(a) == FoldName(b);
}

std::string CutText(std::string_view text, std::size_t limit) {
    std::size_t characters = 0, end = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;  // a continuation byte belongs to the character before
        if (characters++ == limit - 1)
            end = i;
    }
    if (characters <= limit)
        return std::string(text);
    return std::string(text.substr(0, end)) + "…";
}

std::string Count(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

void ExpectWords(std::size_t count, std::size_t low, std::size_t high, std::string_view usage) {
    if (count < low || count > high) {
        ThrowUsage(std::string(count < low ? "words missing" : "words too many") +
                   "; usage: vorlakctl " + std::string(usage));
    }
}

}  // namespace vorlak
