// SPDX-License-Identifier: GPL-3.0-or-later
// A button that a skinned dialog paints itself (no child window): a rectangle, an image for
// the normal and the hovered state (named inside the Skins folder), and an optional caption
// centred on one line.
#pragma once

#include <QRect>
#include <QString>

#include <filesystem>
#include <span>
#include <string_view>

#include "controls/ui_font.h"
#include "skin/dialog_layout.h"

class QPainter;

namespace vorlak {

struct PaintedButton {
    QRect rect;
    std::string_view normalImage;
    std::string_view hoverImage;
    QString caption;
};

// A button as its layout gives it, without a caption.
PaintedButton ButtonFromLayout(const layout::PaintedButtonLayout& button);

// The caption's font on the button: `font`, made smaller where the caption would not fit the
// picture (where the picture is narrower than the rectangle) less a small margin.
FittedFont FitButtonCaption(const std::filesystem::path& programFolder, const PaintedButton& button,
                            const QFont& font);

// Draws the button's image at its rectangle's corner and the caption in the painter's pen,
// centred on the picture in its fitted font.
void PaintButton(QPainter& painter, const std::filesystem::path& programFolder,
                 const PaintedButton& button, const QFont& font, bool hovered);

// The index of the button under point, -1 for none.
int ButtonAt(std::span<const PaintedButton> buttons, const QPoint& point);

}  // namespace vorlak
