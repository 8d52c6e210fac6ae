// SPDX-License-Identifier: GPL-3.0-or-later
// The font faces of the user interface: the language's own face where the desktop has it,
// else the nearest it has (a metric twin of Arial; a CJK face for the Chinese texts).
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

#include "text/dialog_texts.h"

namespace vorlak {

// The face at a cell height in pixels, normal weight.
QFont UiFont(std::string_view languageCode, int pixelHeight);
// A named face ("Arial", "黑体", "宋体") at a cell height in pixels, normal weight.
QFont FaceFont(std::string_view face, int pixelHeight);
inline QFont FaceFont(const DialogFont& font) {
    return FaceFont(font.face, font.height);
}

// The font, made smaller (down to 8 pixels) until the text fits the width on one line.
QFont FitToWidth(QFont font, const QString& text, int width);
// The font, made smaller (down to 8 pixels) until the text, wrapped at words to the
// rectangle's width, fits its height.
QFont FitToRect(QFont font, const QString& text, const QRect& rect);

}  // namespace vorlak
