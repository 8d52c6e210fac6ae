// SPDX-License-Identifier: GPL-3.0-or-later
#include "stroke_digits.h"

#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace skingen {

namespace {

// Glyph box of every digit, in glyph units.
constexpr qreal kGlyphWidth = 5.0;
constexpr qreal kGlyphHeight = 8.0;
constexpr qreal kGlyphGap = 1.7;

QPainterPath DigitPath(QChar digit) {
    QPainterPath path;
    switch (digit.toLatin1()) {
        case '0':
            path.addEllipse(QRectF(0, 0, 5, 8));
            break;
        case '1':
            path.moveTo(1.1, 1.9);
            path.lineTo(3.0, 0);
            path.lineTo(3.0, 8);
            break;
        case '2': {
            const QRectF bowl(0, 0, 5, 4.8);
            path.arcMoveTo(bowl, 160);
            path.arcTo(bowl, 160, -205);
            path.lineTo(0, 8);
            path.lineTo(5, 8);
            break;
        }
        case '3': {
            const QRectF top(0.3, 0, 4.4, 4);
            const QRectF bottom(0, 4, 5, 4);
            path.arcMoveTo(top, 150);
            path.arcTo(top, 150, -240);
            path.arcTo(bottom, 90, -240);
            break;
        }
        case '4':
            path.moveTo(3.7, 8);
            path.lineTo(3.7, 0);
            path.lineTo(0, 5.6);
            path.lineTo(5, 5.6);
            break;
        case '5': {
            const QRectF bowl(0, 3.1, 5, 4.9);
            path.moveTo(4.7, 0);
            path.lineTo(0.9, 0);
            path.lineTo(0.5, 3.9);
            path.arcTo(bowl, 140, -280);
            break;
        }
        case '6':
            path.addEllipse(QRectF(0, 3.4, 5, 4.6));
            path.moveTo(0, 5.7);
            path.cubicTo(0, 1.5, 1.5, 0, 4.3, 0.4);
            break;
        case '7':
            path.moveTo(0, 0);
            path.lineTo(5, 0);
            path.lineTo(1.8, 8);
            break;
        case '8':
            path.addEllipse(QRectF(0.35, 0, 4.3, 3.8));
            path.addEllipse(QRectF(0, 3.8, 5, 4.2));
            break;
        case '9':
            path.addEllipse(QRectF(0, 0, 5, 4.6));
            path.moveTo(5, 2.3);
            path.cubicTo(5, 6.5, 3.5, 8, 0.7, 7.6);
            break;
        default:
            break;
    }
    return path;
}

}  // namespace

void DrawDigits(QPainter& painter, const QString& digits, const QPointF& centre, qreal height,
                qreal weight, QColor color) {
    const qreal scale = height / kGlyphHeight;
    const qreal width =
        (static_cast<qreal>(digits.size()) * (kGlyphWidth + kGlyphGap) - kGlyphGap) * scale;
    painter.save();
    QPen pen(color, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPointF origin = centre - QPointF(width / 2, height / 2);
    for (const QChar digit : digits) {
        QTransform place;
        place.translate(origin.x(), origin.y());
        place.scale(scale, scale);
        painter.drawPath(place.map(DigitPath(digit)));
        origin.rx() += (kGlyphWidth + kGlyphGap) * scale;
    }
    painter.restore();
}

}  // namespace skingen
