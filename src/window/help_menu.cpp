// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/help_menu.h"

#include <QCursor>
#include <QDesktopServices>
#include <QUrl>

#include "controls/skin_menu.h"
#include "skin/main_window_layout.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr int kWebSiteCommand = 1001;
constexpr int kVersionCommand = 1003;

}  // namespace

void ShowHelpMenu(QWidget& window, const QFont& font, const UiTextTable& text) {
    const QString webAddress = QString::fromStdString(text.TxtWebAddress);
    SkinMenu menu(font, &window);
    menu.SetWidth(kHelpMenuWidth);
    menu.AppendItem(kWebSiteCommand, webAddress);
    menu.AppendItem(kVersionCommand, "Version:1.0");
    if (menu.Show(QCursor::pos()) == kWebSiteCommand)
        QDesktopServices::openUrl(QUrl(webAddress));
}

}  // namespace vorlak
