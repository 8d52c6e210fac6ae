// SPDX-License-Identifier: GPL-3.0-or-later
#include "emblem.h"

#include "paint_kit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QTransform>

namespace skingen {

namespace {

// Facets in a 100 x 100 box, lit from the upper left.
QPolygonF Mirror(const QPolygonF& polygon) {
    QPolygonF mirrored;
    for (const QPointF& point : polygon) {
        mirrored << QPointF(100 - point.x(), point.y());
    }
    return mirrored;
}

const QPolygonF& OuterFacet() {
    static const QPolygonF facet{{4, 12}, {18, 12}, {50, 82}, {50, 92}, {44, 92}};
    return facet;
}

const QPolygonF& InnerFacet() {
    static const QPolygonF facet{{18, 12}, {31, 12}, {50, 60}, {50, 82}};
    return facet;
}

const QPolygonF& Diamond() {
    static const QPolygonF facet{{50, 16}, {59, 29}, {50, 42}, {41, 29}};
    return facet;
}

QPainterPath Outline(const QTransform& place) {
    QPainterPath path;
    for (const QPolygonF& facet :
         {OuterFacet(), InnerFacet(), Mirror(OuterFacet()), Mirror(InnerFacet()), Diamond()}) {
        path.addPolygon(place.map(facet));
        path.closeSubpath();
    }
    return path.simplified();
}

void FillFacet(QPainter& painter, const QPolygonF& facet, QColor light, QColor dark) {
    const QRectF bounds = facet.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    painter.setBrush(fill);
    painter.drawPolygon(facet);
}

}  // namespace

void DrawEmblem(QPainter& painter, const QRectF& box, int glowRadius) {
    const qreal side = qMin(box.width(), box.height());
    QTransform place;
    place.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    place.scale(side / 100, side / 100);
    if (glowRadius > 0) {
        DrawGlow(painter, Outline(place), WithAlpha(tone::kRedBright, 150), glowRadius);
    }
    painter.save();
    painter.setTransform(place, true);
    painter.setPen(Qt::NoPen);
    FillFacet(painter, OuterFacet(), QColor(255, 96, 80), QColor(170, 24, 24));
    FillFacet(painter, InnerFacet(), QColor(200, 40, 36), QColor(110, 16, 18));
    FillFacet(painter, Mirror(InnerFacet()), QColor(232, 58, 48), QColor(130, 20, 20));
    FillFacet(painter, Mirror(OuterFacet()), QColor(160, 28, 28), QColor(86, 12, 14));
    FillFacet(painter, Diamond(), QColor(255, 200, 190), QColor(214, 40, 34));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(tone::kInk, 200), 100.0 / side));
    for (const QPolygonF& facet :
         {OuterFacet(), InnerFacet(), Mirror(OuterFacet()), Mirror(InnerFacet()), Diamond()}) {
        painter.drawPolygon(facet);
    }
    painter.restore();
}

}  // namespace skingen
