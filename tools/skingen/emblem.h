// SPDX-License-Identifier: GPL-3.0-or-later
// The product emblem: a faceted red chevron with a diamond above it, no lettering.
#pragma once

#include <QPainter>
#include <QRectF>

namespace skingen {

// Draws the emblem fitted into `box` (kept square, centred). `glowRadius` 0 draws no halo.
void DrawEmblem(QPainter& painter, const QRectF& box, int glowRadius);

}  // namespace skingen
