// SPDX-License-Identifier: GPL-3.0-or-later
// Digits drawn as strokes, so that number pictures need no font.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace skingen {

// Draws the decimal digits of `digits` centred on `centre`, `height` pixels tall, with a pen
// `weight` pixels wide.
void DrawDigits(QPainter& painter, const QString& digits, const QPointF& centre, qreal height,
                qreal weight, QColor color);

}  // namespace skingen
