// The font faces of the user interface: the language's own face where the desktop has it,
// else the nearest it has (a metric twin of Arial; a CJK face for the Chinese texts).
#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace vorlak {

// The face at a cell height in pixels, normal weight.
QFont UiFont(std::string_view languageCode, int pixelHeight);

}  // namespace vorlak
