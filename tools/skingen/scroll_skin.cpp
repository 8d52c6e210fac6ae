// SPDX-License-Identifier: GPL-3.0-or-later
#include "scroll_skin.h"

#include "layout.h"
#include "paint_kit.h"

#include <QLinearGradient>

namespace skingen {

namespace {

// Columns of the vertical bar; the horizontal columns (4..7) and the corner column (8) stay
// black.
enum Column { kUpArrow = 0, kDownArrow = 1, kThumb = 2, kTrack = 3 };
enum Row { kNormal = 0, kHot = 1, kPressed = 2 };

const QColor kCell{20, 20, 20};
const QColor kArrowRed{255, 0, 0};
const QColor kArrowPressed{255, 69, 0};
const QColor kThumbRed{204, 51, 0};

void DrawArrowCell(QPainter& p, const QRectF& cell, int row, int rotation) {
    p.fillRect(cell, kCell);
    // The plain repaint takes the top square of a normal cell, the hot and pressed drawings the
    // whole cell, so the arrow is centred where it will be seen.
    const qreal side = cell.width();
    const QRectF shown = row == kNormal ? QRectF(cell.topLeft(), QSizeF(side, side)) : cell;
    DrawArrow(p, shown.center(), side * 0.62, rotation,
              row == kPressed ? kArrowPressed : kArrowRed);
}

void DrawThumbCell(QPainter& p, const QRectF& cell, int row) {
    if (row != kNormal) {
        p.fillRect(cell, kThumbRed);
        return;
    }
    // Lighter towards the left edge, so the thumb reads as a rounded bar along its length.
    QLinearGradient fill(cell.left(), 0, cell.right(), 0);
    fill.setColorAt(0, kThumbRed.lighter(150));
    fill.setColorAt(0.45, kThumbRed.lighter(115));
    fill.setColorAt(1, kThumbRed);
    p.fillRect(cell, fill);
}

}  // namespace

void AddScrollSkin(SkinSet& skins) {
    const QSize size = layout::kScrollSkin;
    QImage image = ScaledImage(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const qreal a = size.width() / 9;
    const qreal r = size.height() / 3;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 3; ++row) {
        const auto cell = [&](int column) { return QRectF(column * a, row * r, a, r); };
        DrawArrowCell(p, cell(kUpArrow), row, 0);
        DrawArrowCell(p, cell(kDownArrow), row, 180);
        DrawThumbCell(p, cell(kThumb), row);
        p.fillRect(cell(kTrack), kCell);
    }
    p.end();
    skins.Add(Name(vorlak::skin::kScrollBar), image, size, Alpha::kOpaque);
}

}  // namespace skingen
