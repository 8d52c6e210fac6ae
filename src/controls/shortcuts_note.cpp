// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/shortcuts_note.h"

#include <QLabel>
#include <QPalette>

#include <algorithm>

#include "text/desktop_shortcuts_text.h"

namespace vorlak {

QLabel* MakeShortcutsNote(QWidget& parent, const QRect& rect, const QFont& font,
                          std::string_view languageCode) {
    const std::string_view text = DesktopShortcutsNote(languageCode);
    auto* note =
        new QLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), &parent);
    note->setGeometry(rect);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = font;
    small.setPixelSize(std::max(10, font.pixelSize() - 2));
    note->setFont(small);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, QColor(200, 200, 200));
    note->setPalette(palette);
    note->hide();
    return note;
}

}  // namespace vorlak
