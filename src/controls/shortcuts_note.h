// SPDX-License-Identifier: GPL-3.0-or-later
// The note of a window that captures keys where the desktop keeps the keys of its own
// shortcuts (Wayland, when the compositor does not hand them over): small light text, wrapped
// in its rectangle, in the user's language. It starts hidden; the key capture shows it.
#pragma once

#include <QFont>
#include <QRect>

#include <string_view>

class QLabel;
class QWidget;

namespace vorlak {

QLabel* MakeShortcutsNote(QWidget& parent, const QRect& rect, const QFont& font,
                          std::string_view languageCode);

}  // namespace vorlak
