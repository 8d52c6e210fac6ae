// SPDX-License-Identifier: GPL-3.0-or-later
// The skin layouts' pixel rectangles, points and sizes in Qt's terms.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "skin/skin_geometry.h"

namespace vorlak {

constexpr QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}
constexpr QPoint ToQPoint(PixelPoint p) {
    return QPoint(p.x, p.y);
}
constexpr QSize ToQSize(PixelSize s) {
    return QSize(s.width, s.height);
}

}  // namespace vorlak
