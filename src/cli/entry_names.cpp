// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/entry_names.h"

#include <cctype>

#include "assign/function_catalogue.h"

namespace vorlak {
namespace {

// Lower case without blanks, so "Button 3" and "button3" read alike.
std::string Folded(std::string_view word) {
    std::string out;
    for (char c : word) {
        if (c != ' ')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// 1..7 of a text that is one digit of that range; 0 otherwise.
int ButtonNumber(std::string_view digits) {
    return digits.size() == 1 && digits[0] >= '1' && digits[0] <= '7' ? digits[0] - '0' : 0;
}

}  // namespace

int ParseEntry(std::string_view word) {
    std::string folded = Folded(word);
    std::string_view rest = folded;
    const bool shift = rest.starts_with("shift+");
    rest.remove_prefix(shift ? 6 : rest.starts_with("button") ? 6 : 0);
    const int number = ButtonNumber(rest);
    if (number == 0)
        return -1;
    return shift ? kFirstShiftEntry + number - 1 : number - 1;
}

std::string EntryWord(int entry) {
    return entry < kBaseEntryCount ? std::to_string(entry + 1)
                                   : "shift+" + std::to_string(entry - kFirstShiftEntry + 1);
}

}  // namespace vorlak
