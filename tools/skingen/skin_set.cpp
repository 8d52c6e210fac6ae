// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_set.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace skingen {

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

std::string SizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// The file of an image drawn at `scale`: "Foo.png" at 1, "Foo@2x.png" at 2, as Qt names them.
QString FileName(const QString& name, int scale) {
    if (scale == 1) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QString("@%1x").arg(scale) + name.mid(dot);
}

// The share of pixels whose colour or alpha differ by more than antialiasing makes them.
double ShareUnlike(const QImage& a, const QImage& b) {
    constexpr int kUnlike = 64;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int unlike = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int most = std::max(
                {std::abs(qRed(l[x]) - qRed(r[x])), std::abs(qGreen(l[x]) - qGreen(r[x])),
                 std::abs(qBlue(l[x]) - qBlue(r[x])), std::abs(qAlpha(l[x]) - qAlpha(r[x]))});
            unlike += most > kUnlike ? 1 : 0;
        }
    }
    return unlike / double(left.width() * left.height());
}

}  // namespace

void CheckSameArt(const SkinSet& once, const SkinSet& twice) {
    // A set that follows its scale stays under 2 % (small marks, whose antialiased edges are a
    // large part of them); a drawing that does not fit its scale differs in 5 % and more.
    constexpr double kMostUnlike = 0.03;
    for (const auto& [name, image] : twice.Images()) {
        const QImage& small = once.Get(name);
        const QImage reduced =
            image.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double unlike = ShareUnlike(reduced, small);
        if (unlike > kMostUnlike) {
            throw ArtError(Text(name) + " at twice the size is another picture (" +
                           std::to_string(static_cast<int>(unlike * 100)) + " % of it differs)");
        }
    }
}

void SkinSet::Add(const QString& name, const QImage& image, QSize expected, Alpha alpha) {
    const QSize size = image.deviceIndependentSize().toSize();
    if (size != expected) {
        throw ArtError(Text(name) + " is " + SizeText(size) + ", its place is " +
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
        const QString path =
            folder + "/" + FileName(name, static_cast<int>(image.devicePixelRatio()));
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
