// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_fill.h"

namespace vorlak {

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled(text);
    int number = 1;
    for (std::string_view value : values) {
        const std::string mark = "%" + std::to_string(number++);
        if (const std::size_t at = filled.find(mark); at != std::string::npos)
            filled.replace(at, mark.size(), value);
    }
    return filled;
}

}  // namespace vorlak
