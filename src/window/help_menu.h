// SPDX-License-Identifier: GPL-3.0-or-later
// The help button's menu at the pointer: the web site (opened in the browser) and the version.
#pragma once

class QFont;
class QWidget;

namespace vorlak {

struct UiTextTable;

void ShowHelpMenu(QWidget& window, const QFont& font, const UiTextTable& text);

}  // namespace vorlak
