// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_image.h"

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

}  // namespace

QImage SkinImage(const QString& path) {
    static QHash<QString, QImage> cache;
    auto found = cache.constFind(path);
    if (found == cache.constEnd())
        found = cache.insert(path, Decode(path));
    return *found;
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
    QImage cut(region.size(), QImage::Format_RGB32);
    cut.fill(Qt::black);
    QPainter painter(&cut);
    painter.drawImage(QPoint(0, 0), image, region);
    return cut;
}

}  // namespace vorlak
