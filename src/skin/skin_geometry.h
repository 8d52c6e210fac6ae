// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles, points and sizes of the skinned windows in client pixels, without a toolkit.
// A rectangle is given by its edges (left, top, right, bottom), right and bottom exclusive, as
// the layout tables state them.
#pragma once

namespace vorlak {

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr PixelPoint TopLeft() const { return {left, top}; }
    constexpr PixelSize Size() const { return {Width(), Height()}; }
    constexpr PixelRect Moved(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool operator==(const PixelRect&) const = default;
};

// The rectangle of a size at a point.
constexpr PixelRect RectAt(PixelPoint at, PixelSize size) {
    return {at.x, at.y, at.x + size.width, at.y + size.height};
}

}  // namespace vorlak
