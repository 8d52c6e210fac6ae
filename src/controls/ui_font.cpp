// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ui_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "text/ui_text.h"

namespace vorlak {
namespace {

// The faces of the Chinese texts; the desktop has one of their substitutes at most.
constexpr int kSmallestPixels = 8;

// Steps the font's pixel size down while fits says no.
template <typename Fits>
QFont Shrink(QFont font, Fits fits) {
    while (font.pixelSize() > kSmallestPixels && !fits(QFontMetrics(font)))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

bool IsChineseFace(std::string_view face) {
    return face == "黑体" || face == "宋体";
}

QString InstalledFace(std::string_view face) {
    QStringList faces{QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()))};
    faces << (IsChineseFace(face) ? QStringList{"SimHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"}
                                  : QStringList{"Liberation Sans", "DejaVu Sans"});
    const QStringList installed = QFontDatabase::families();
    for (const QString& candidate : faces) {
        if (installed.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
    return faces.front();
}

}  // namespace

QFont UiFont(std::string_view languageCode, int pixelHeight) {
    return FaceFont(FontFace(languageCode), pixelHeight);
}

QFont FaceFont(std::string_view face, int pixelHeight) {
    QFont font(InstalledFace(face));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

QFont FitToWidth(QFont font, const QString& text, int width) {
    return Shrink(std::move(font),
                  [&](const QFontMetrics& m) { return m.horizontalAdvance(text) <= width; });
}

QFont FitToRect(QFont font, const QString& text, const QRect& rect) {
    return Shrink(std::move(font), [&](const QFontMetrics& m) {
        return m.boundingRect(rect, Qt::AlignLeft | Qt::TextWordWrap, text).height() <=
               rect.height();
    });
}

}  // namespace vorlak
