// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/entry_caption.h"

#include <array>

namespace vorlak {

std::string EntryCaption(const UiTextTable& text, int entry) {
    const std::array<const std::string*, 7> captions = {
        &text.TxtButton1, &text.TxtButton2, &text.TxtButton3, &text.TxtButton4,
        &text.TxtButton5, &text.TxtButton6, &text.TxtButton7};
    if (entry >= 0 && entry < static_cast<int>(captions.size()))
        return *captions[static_cast<std::size_t>(entry)];
    return "Shift+" + std::to_string(entry - static_cast<int>(captions.size()) + 1);
}

}  // namespace vorlak
