// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ui_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <vector>

#include "text/ui_text.h"

namespace vorlak {
namespace {

// Steps the font's pixel size down to the floor while fits says no.
template <typename Fits>
QFont Shrink(QFont font, Fits fits) {
    while (font.pixelSize() > kCaptionFloorPixels && !fits(QFontMetrics(font)))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// The faces of the Chinese texts; the desktop has one of their substitutes at most.
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

FittedFont FitToWidth(QFont font, const QString& text, int width) {
    const int own = font.pixelSize();
    std::vector<int> widths;
    for (int pixels = own; static_cast<int>(widths.size()) < CaptionSizes(own); --pixels) {
        font.setPixelSize(pixels);
        widths.push_back(QFontMetrics(font).horizontalAdvance(text));
    }
    const CaptionFit fit = FitCaption(widths, own, width);
    font.setPixelSize(fit.pixels);
    return {font, fit.shortBy};
}

QFont FitToRect(QFont font, const QString& text, const QRect& rect) {
    return Shrink(std::move(font), [&](const QFontMetrics& m) {
        return m.boundingRect(rect, Qt::AlignLeft | Qt::TextWordWrap, text).height() <=
               rect.height();
    });
}

}  // namespace vorlak
