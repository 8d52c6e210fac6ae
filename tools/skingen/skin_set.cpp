// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_set.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace skingen {

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

std::string SizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

}  // namespace

void SkinSet::Add(const QString& name, const QImage& image, QSize expected, Alpha alpha) {
    if (image.size() != expected) {
        throw ArtError(Text(name) + " is " + SizeText(image.size()) + ", its place is " +
                       SizeText(expected));
    }
    if (images_.count(name) != 0) {
        throw ArtError(Text(name) + " is made twice");
    }
    images_[name] = alpha == Alpha::kOpaque ? image.convertToFormat(QImage::Format_RGB32)
                                            : image.convertToFormat(QImage::Format_ARGB32);
}

const QImage& SkinSet::Get(const QString& name) const {
    const auto found = images_.find(name);
    if (found == images_.end()) {
        throw ArtError("no image " + Text(name));
    }
    return found->second;
}

void SkinSet::Write(const QString& folder) const {
    for (const auto& [name, image] : images_) {
        const QString path = folder + "/" + name;
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            throw ArtError("cannot write " + Text(path));
        }
        const QSize written = QImageReader(path).size();
        if (written != image.size()) {
            throw ArtError(Text(path) + " reads back as " + SizeText(written));
        }
    }
}

}  // namespace skingen
