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

// Draws the button's image at its rectangle's corner and the caption in the painter's pen and
// font, centred on the picture and made smaller where it would not fit.
void PaintButton(QPainter& painter, const std::filesystem::path& programFolder,
                 const PaintedButton& button, bool hovered);

// The index of the button under point, -1 for none.
int ButtonAt(std::span<const PaintedButton> buttons, const QPoint& point);

}  // namespace vorlak
