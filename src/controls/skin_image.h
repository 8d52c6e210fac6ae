// SPDX-License-Identifier: GPL-3.0-or-later
// Skin images: decoded once per file and kept for the whole run, drawn alpha-blended, or cut
// into opaque bitmaps for buttons and sliders. On a screen with more than one device pixel per
// pixel the image is read from its twin drawn at twice the size ("Name@2x.png") where there is
// one, and carries that device pixel ratio: it paints at the same place and size, sharper.
// Rectangles and sizes of skin images are in the window's pixels (LayoutSize), not the image's.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <filesystem>
#include <string_view>

class QPainter;

namespace vorlak {

// The decoded image of a skin file, in premultiplied ARGB32 (colour = value * alpha / 255,
// truncated). The first request decodes the file; later requests, also for a file that could not
// be decoded, read nothing. Null when the file cannot be decoded. User-interface thread only.
QImage SkinImage(const QString& path);
QImage SkinImage(const std::filesystem::path& programFolder, std::string_view name);

// The image of the skin file at `path` for a screen of `devicePixelRatio`, read afresh: the
// "@2x" twin above a ratio of 1 when it can be decoded, else the file itself. Null when neither
// can be decoded.
QImage DecodeSkinImage(const QString& path, qreal devicePixelRatio);

// The size of a skin image in the window's pixels, whichever file it was read from.
QSize LayoutSize(const QImage& image);

// The part of a skin image under `region` (window pixels), at the image's own resolution.
QImage SkinPart(const QImage& image, const QRect& region);

// Draws the whole image at (x, y) at its natural size, blended source-over by its alpha.
// Draws nothing and returns false when the file cannot be decoded.
bool DrawSkinImage(QPainter& target, const QString& path, int x, int y);
bool DrawSkinImage(QPainter& target, const std::filesystem::path& programFolder,
                   std::string_view name, int x, int y);

// The same for an image named inside the Skins folder (skin/skin_names.h).
// ReadSkin reads it afresh and keeps nothing, for the background of a window that comes and
// goes (the splash, the dialogs): freed with its window, not kept for the run.
QImage ReadSkin(const std::filesystem::path& programFolder, std::string_view nameInSkins);
QImage LoadSkin(const std::filesystem::path& programFolder, std::string_view nameInSkins);
bool DrawSkin(QPainter& target, const std::filesystem::path& programFolder,
              std::string_view nameInSkins, int x, int y);

// An opaque copy of a region (window pixels) of an image, at its resolution (alpha dropped;
// translucent pixels come out as drawn over black). Null for a null image; parts of the region
// outside the image are black.
QImage CutSkinBitmap(const QImage& image, const QRect& region);

}  // namespace vorlak
