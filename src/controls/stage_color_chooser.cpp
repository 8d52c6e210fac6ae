// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/stage_color_chooser.h"

#include <QColorDialog>
#include <QPalette>

namespace vorlak {
namespace {

// The skin's greys and red, for a dialog that opens over the dark window.
QPalette DarkPalette() {
    QPalette palette;
    const QColor text(235, 235, 235);
    palette.setColor(QPalette::Window, QColor(30, 30, 35));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(18, 18, 21));
    palette.setColor(QPalette::AlternateBase, QColor(36, 36, 41));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(48, 48, 55));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(190, 36, 32));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(30, 30, 35));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 128));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 128));
    return palette;
}

}  // namespace

std::optional<std::array<Byte, 3>> ChooseStageColor(QWidget* owner) {
    QColorDialog dialog(Qt::black, owner != nullptr ? owner->window() : nullptr);
    // The toolkit's own dialog takes the palette; a desktop's dialog would not.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setPalette(DarkPalette());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor color = dialog.selectedColor();
    return std::array<Byte, 3>{static_cast<Byte>(color.red()), static_cast<Byte>(color.green()),
                               static_cast<Byte>(color.blue())};
}

}  // namespace vorlak
