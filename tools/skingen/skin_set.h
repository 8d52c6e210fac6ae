// SPDX-License-Identifier: GPL-3.0-or-later
// The generated images by their file names inside the skin folder.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <map>
#include <stdexcept>
#include <string_view>

namespace skingen {

// Raised for an image that does not fit the place it is made for.
class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Alpha { kKeep, kOpaque };

// A skin image's name (skin/skin_names.h) as the set keeps it.
inline QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

class SkinSet {
public:
    // Adds an image under its relative name ("Mouse/Front/F-1-over.png"); throws ArtError when
    // its size in layout pixels differs from `expected` or the name is taken.
    void Add(const QString& name, const QImage& image, QSize expected, Alpha alpha = Alpha::kKeep);

    // The image added under `name`; throws ArtError when there is none.
    const QImage& Get(const QString& name) const;

    // Writes every image below `folder`, one drawn at scale 2 as "Name@2x.png", and reads each
    // back to confirm its size; throws ArtError on the first failure.
    void Write(const QString& folder) const;

    const std::map<QString, QImage>& Images() const { return images_; }

private:
    std::map<QString, QImage> images_;
};

// Throws ArtError naming the first image of `twice` (drawn at scale 2) that, reduced to half its
// size, differs from its namesake in `once` in more pixels than antialiasing accounts for: a
// drawing that does not follow its scale.
void CheckSameArt(const SkinSet& once, const SkinSet& twice);

}  // namespace skingen
