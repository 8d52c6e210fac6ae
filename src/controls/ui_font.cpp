#include "controls/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "text/ui_text.h"

namespace vorlak {
namespace {

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

}  // namespace vorlak
