// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/no_tray_text.h"

#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr Text4 kTitle = {"Vorlak: no tray", "Vorlak: keine Infobereich-Leiste",
                          "Vorlak：没有系统托盘", "Vorlak：沒有系統匣"};
constexpr Text4 kText = {
    "This desktop shows no tray icons: Vorlak minimises its window instead of hiding it, and "
    "closing the window ends it. On GNOME the AppIndicator extension "
    "(gnome-shell-extension-appindicator) gives tray icons.",
    "Dieser Desktop zeigt keine Symbole im Infobereich: Vorlak minimiert sein Fenster, statt es "
    "auszublenden, und das Schließen des Fensters beendet es. Unter GNOME bringt die Erweiterung "
    "AppIndicator (gnome-shell-extension-appindicator) die Symbole.",
    "此桌面不显示托盘图标：Vorlak 会最小化窗口而不是隐藏，关闭窗口即退出程序。在 GNOME 上，"
    "AppIndicator 扩展（gnome-shell-extension-appindicator）可提供托盘图标。",
    "此桌面不顯示系統匣圖示：Vorlak 會將視窗最小化而不是隱藏，關閉視窗即結束程式。在 GNOME 上，"
    "AppIndicator 擴充功能（gnome-shell-extension-appindicator）可提供系統匣圖示。",
};

}  // namespace

NoTrayTexts NoTrayTextsFor(std::string_view code) {
    return {PickByLanguage(code, kTitle), PickByLanguage(code, kText)};
}

}  // namespace vorlak
