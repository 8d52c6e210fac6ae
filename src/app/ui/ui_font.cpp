#include "app/ui/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "text/ui_text.h"

namespace vorlak {
namespace {

QString UiFontFace(std::string_view languageCode) {
    QStringList faces{QString::fromUtf8(FontFace(languageCode).data(),
                                        static_cast<qsizetype>(FontFace(languageCode).size()))};
    faces << (IsChineseLanguage(languageCode)
                  ? QStringList{"SimHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"}
                  : QStringList{"Liberation Sans", "DejaVu Sans"});
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    }
    return faces.front();
}

}  // namespace

QFont UiFont(std::string_view languageCode, int pixelHeight) {
    QFont font(UiFontFace(languageCode));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace vorlak
