// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/desktop_shortcuts_text.h"

#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr Text4 kNote = {
    "Shortcuts of the desktop stay with the desktop: those keys are not captured here.",
    "Tastenkürzel des Desktops bleiben beim Desktop: diese Tasten werden hier nicht erfasst.",
    "桌面的快捷键仍由桌面处理：这些按键不会在此处被捕获。",
    "桌面的快速鍵仍由桌面處理：這些按鍵不會在此處被擷取。",
};

}  // namespace

std::string_view DesktopShortcutsNote(std::string_view code) {
    return PickByLanguage(code, kNote);
}

}  // namespace vorlak
