// SPDX-License-Identifier: GPL-3.0-or-later
// The font faces of the user interface: the language's own face where the desktop has it,
// else the nearest it has (a metric twin of Arial; a CJK face for the Chinese texts).
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

#include "skin/caption_fit.h"
#include "text/dialog_texts.h"

namespace vorlak {

// The face at a cell height in pixels, normal weight.
QFont UiFont(std::string_view languageCode, int pixelHeight);
// A named face ("Arial", "黑体", "宋体") at a cell height in pixels, normal weight.
QFont FaceFont(std::string_view face, int pixelHeight);
inline QFont FaceFont(const DialogFont& font) {
    return FaceFont(font.face, font.height);
}

// A caption's font for a box: the largest size of the font's face, from its own size down to
// the legible floor (skin/caption_fit.h), in which the text fits the width on one line, and
// how many pixels the width lacks where even the floor does not fit.
struct FittedFont {
    QFont font;
    int shortBy = 0;
    bool Fits() const { return shortBy == 0; }
};
[[nodiscard]] FittedFont FitToWidth(QFont font, const QString& text, int width);
// The font, made smaller (down to the legible floor) until the text, wrapped at words to the
// rectangle's width, fits its height.
QFont FitToRect(QFont font, const QString& text, const QRect& rect);

}  // namespace vorlak
