// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/macro_cut_text.h"

#include "text/ui_text.h"

namespace vorlak {
namespace {

// "%s" stands for the macro's name, "%d" for the number of events left out.
constexpr Text4 kCutText = {
    "The macro \"%s\" is too long for the mouse: its last %d events were left out.",
    "Das Makro \"%s\" ist zu lang für die Maus: die letzten %d Ereignisse wurden weggelassen.",
    "宏“%s”太长，鼠标无法全部保存：最后 %d 个事件已被省略。",
    "巨集「%s」太長，滑鼠無法全部儲存：最後 %d 個事件已被省略。",
};

void ReplaceOnce(std::string& text, std::string_view mark, std::string_view value) {
    if (const auto at = text.find(mark); at != std::string::npos)
        text.replace(at, mark.size(), value);
}

}  // namespace

std::string MacroCutText(std::string_view code, std::string_view macroName, int droppedEvents) {
    std::string text(PickByLanguage(code, kCutText));
    // The count goes in first, so a "%d" inside the name stays as typed.
    ReplaceOnce(text, "%d", std::to_string(droppedEvents));
    ReplaceOnce(text, "%s", macroName);
    return text;
}

}  // namespace vorlak
