// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the words of a command line: numbers in a range, and names ignoring case.
#pragma once

#include <string>
#include <string_view>

namespace vorlak {

// The decimal number word is, when it is one and lies in low..high; otherwise a usage error
// that names what and the range.
int ParseNumber(std::string_view word, std::string_view what, int low, int high);

// Lower case, with "-" and "_" read as blanks: "Next-Track" and "next track" read alike.
std::string FoldName(std::string_view name);

// True when both read alike under FoldName.
bool SameName(std::string_view a, std::string_view b);

// text as a message echoes it: at most limit characters, cut with "…" (never inside a
// character of several bytes).
std::string CutText(std::string_view text, std::size_t limit = 60);

// "1 line", "3 lines": a count with its noun.
std::string Count(std::size_t count, std::string_view noun);

// A usage error showing usage ("dpi STAGE SETTING...") unless count lies in low..high.
void ExpectWords(std::size_t count, std::size_t low, std::size_t high, std::string_view usage);

}  // namespace vorlak
