// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_image.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>

#include "controls/skin_path.h"
#include "skin/skin_names.h"

namespace vorlak {

namespace {

// Premultiplies with truncating division, as the skins were made for.
QImage Premultiplied(const QImage& decoded) {
    if (!decoded.hasAlphaChannel())
        return decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            line[x] = qRgba(qRed(line[x]) * alpha / 255, qGreen(line[x]) * alpha / 255,
                            qBlue(line[x]) * alpha / 255, alpha);
        }
    }
    image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QImage Decode(const QString& path) {
    QImage decoded(path);
    return decoded.isNull() ? QImage() : Premultiplied(decoded);
}

// "Foo.png" drawn at twice the size, named as Qt names it: "Foo@2x.png".
QString TwiceTheSize(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype end = dot > slash ? dot : path.size();
    return path.left(end) + QStringLiteral("@2x") + path.mid(end);
}

// `region` (window pixels) in the pixels of `image`.
QRectF InImagePixels(const QImage& image, const QRect& region) {
    const qreal ratio = image.devicePixelRatio();
    return {QPointF(region.topLeft()) * ratio, QSizeF(region.size()) * ratio};
}

// The highest ratio of any screen: an image read once serves the window on each.
qreal ScreenPixelRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

}  // namespace

QImage DecodeSkinImage(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QImage twice = Decode(TwiceTheSize(path));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2);
            return twice;
        }
    }
    return Decode(path);
}

QImage SkinImage(const QString& path) {
    static QHash<QString, QImage> cache;
    auto found = cache.constFind(path);
    if (found == cache.constEnd())
        found = cache.insert(path, DecodeSkinImage(path, ScreenPixelRatio()));
    return *found;
}

QSize LayoutSize(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

QImage SkinPart(const QImage& image, const QRect& region) {
    QImage part = image.copy(InImagePixels(image, region).toRect());
    part.setDevicePixelRatio(image.devicePixelRatio());
    return part;
}

QImage SkinImage(const std::filesystem::path& programFolder, std::string_view name) {
    return SkinImage(SkinPath(programFolder, name));
}

bool DrawSkinImage(QPainter& target, const QString& path, int x, int y) {
    const QImage image = SkinImage(path);
    if (image.isNull())
        return false;
    target.save();
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.drawImage(x, y, image);
    target.restore();
    return true;
}

bool DrawSkinImage(QPainter& target, const std::filesystem::path& programFolder,
                   std::string_view name, int x, int y) {
    return DrawSkinImage(target, SkinPath(programFolder, name), x, y);
}

QImage ReadSkin(const std::filesystem::path& programFolder, std::string_view nameInSkins) {
    return DecodeSkinImage(SkinPath(programFolder, skin::InSkins(nameInSkins)), ScreenPixelRatio());
}

QImage LoadSkin(const std::filesystem::path& programFolder, std::string_view nameInSkins) {
    return SkinImage(programFolder, skin::InSkins(nameInSkins));
}

bool DrawSkin(QPainter& target, const std::filesystem::path& programFolder,
              std::string_view nameInSkins, int x, int y) {
    return DrawSkinImage(target, programFolder, skin::InSkins(nameInSkins), x, y);
}

QImage CutSkinBitmap(const QImage& image, const QRect& region) {
    if (image.isNull() || region.isEmpty())
        return {};
    const QRectF source = InImagePixels(image, region);
    QImage cut(source.size().toSize(), QImage::Format_RGB32);
    cut.setDevicePixelRatio(image.devicePixelRatio());
    cut.fill(Qt::black);
    QPainter painter(&cut);
    painter.drawImage(QPointF(0, 0), image, source);
    return cut;
}

}  // namespace vorlak
