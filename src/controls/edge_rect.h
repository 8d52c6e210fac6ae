// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles given by their edges (left, top, right, bottom), right and bottom exclusive,
// as the layout tables of the skinned windows state them.
#pragma once

#include <QRect>

namespace vorlak {

inline QRect EdgeRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace vorlak
