// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_kit.h"

#include <QLinearGradient>

#include <array>
#include <cstddef>

namespace skingen {

QColor WithAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

namespace {

int drawingScale = 1;

}  // namespace

DrawingScale::DrawingScale(int scale) : previous_(drawingScale) {
    drawingScale = scale;
}

DrawingScale::~DrawingScale() {
    drawingScale = previous_;
}

int DrawingScale::Current() {
    return drawingScale;
}

QImage ScaledImage(QSize size, QImage::Format format) {
    QImage image(size * drawingScale, format);
    image.setDevicePixelRatio(drawingScale);
    return image;
}

QImage NewImage(int width, int height) {
    QImage image = ScaledImage(QSize(width, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QRectF LayoutRect(const QImage& image) {
    return QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

QImage CopyRect(const QImage& image, const QRect& rect) {
    const auto scale = static_cast<int>(image.devicePixelRatio());
    QImage part = image.copy(QRect(rect.topLeft() * scale, rect.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

void BeginPainter(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage DrawnImage(QSize size, const std::function<void(QPainter&)>& draw) {
    QImage image = NewImage(size.width(), size.height());
    QPainter painter;
    BeginPainter(painter, image);
    draw(painter);
    return image;
}

namespace {

QLinearGradient Gradient(QPointF from, QPointF to, GradientStops stops) {
    QLinearGradient gradient(from, to);
    for (const auto& [at, color] : stops) {
        gradient.setColorAt(at, color);
    }
    return gradient;
}

}  // namespace

QLinearGradient VerticalGradient(qreal top, qreal bottom, GradientStops stops) {
    return Gradient(QPointF(0, top), QPointF(0, bottom), stops);
}

QLinearGradient HorizontalGradient(qreal left, qreal right, GradientStops stops) {
    return Gradient(QPointF(left, 0), QPointF(right, 0), stops);
}

QPainterPath SmoothClosedPath(const std::vector<QPointF>& points) {
    QPainterPath path;
    const std::size_t n = points.size();
    if (n < 3) {
        return path;
    }
    path.moveTo(points[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& p0 = points[(i + n - 1) % n];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[(i + 1) % n];
        const QPointF& p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

namespace {

using Pixel = std::array<int, 4>;

Pixel Unpack(QRgb value) {
    return {qAlpha(value), qRed(value), qGreen(value), qBlue(value)};
}

QRgb Pack(const Pixel& p) {
    return qRgba(p[1], p[2], p[3], p[0]);
}

// One box pass over a line of `count` pixels spaced `stride` apart; outside counts as clear.
void BoxLine(QRgb* line, int count, int stride, int radius, std::vector<Pixel>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<std::size_t>(i)] = Unpack(line[i * stride]);
    }
    const int span = 2 * radius + 1;
    Pixel sum{0, 0, 0, 0};
    for (int i = 0; i <= radius && i < count; ++i) {
        for (int c = 0; c < 4; ++c) {
            sum[static_cast<std::size_t>(c)] +=
                scratch[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
        }
    }
    for (int i = 0; i < count; ++i) {
        Pixel out;
        for (std::size_t c = 0; c < 4; ++c) {
            out[c] = sum[c] / span;
        }
        line[i * stride] = Pack(out);
        const int enter = i + radius + 1;
        const int leave = i - radius;
        for (std::size_t c = 0; c < 4; ++c) {
            if (enter < count) {
                sum[c] += scratch[static_cast<std::size_t>(enter)][c];
            }
            if (leave >= 0) {
                sum[c] -= scratch[static_cast<std::size_t>(leave)][c];
            }
        }
    }
}

}  // namespace

void Blur(QImage& image, int layoutRadius) {
    if (layoutRadius < 1) {
        return;
    }
    const int radius = layoutRadius * static_cast<int>(image.devicePixelRatio());
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    const int pitch = static_cast<int>(image.bytesPerLine() / 4);
    QRgb* pixels = reinterpret_cast<QRgb*>(image.bits());
    std::vector<Pixel> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            BoxLine(pixels + y * pitch, width, 1, radius, scratch);
        }
        for (int x = 0; x < width; ++x) {
            BoxLine(pixels + x, height, pitch, radius, scratch);
        }
    }
}

void DrawGlow(QPainter& painter, const QPainterPath& shape, QColor color, int radius) {
    const QRectF bounds =
        shape.boundingRect().adjusted(-3 * radius, -3 * radius, 3 * radius, 3 * radius);
    QImage layer =
        NewImage(static_cast<int>(bounds.width()) + 1, static_cast<int>(bounds.height()) + 1);
    {
        QPainter p;
        BeginPainter(p, layer);
        p.translate(-bounds.topLeft());
        p.fillPath(shape, color);
    }
    Blur(layer, radius);
    painter.drawImage(bounds.topLeft(), layer);
}

void DrawPlate(QPainter& painter, const QRectF& rect, qreal corner, QColor top, QColor bottom,
               QColor rim) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(rim, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, corner, corner);
    painter.setBrush(Qt::NoBrush);
    QLinearGradient shine(rect.topLeft(), rect.bottomLeft());
    shine.setColorAt(0, WithAlpha(tone::kWhite, 70));
    shine.setColorAt(0.45, WithAlpha(tone::kWhite, 8));
    shine.setColorAt(1, WithAlpha(tone::kWhite, 0));
    painter.setPen(QPen(QBrush(shine), 1));
    painter.drawRoundedRect(body.adjusted(1, 1, -1, -1), corner - 1, corner - 1);
}

void DrawWell(QPainter& painter, const QRectF& rect, qreal corner, QColor fill) {
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(body, corner, corner);
    QLinearGradient edge(rect.topLeft(), rect.bottomLeft());
    edge.setColorAt(0, WithAlpha(tone::kInk, 230));
    edge.setColorAt(0.5, WithAlpha(tone::kInk, 90));
    edge.setColorAt(1, WithAlpha(tone::kWhite, 38));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(edge), 1));
    painter.drawRoundedRect(body, corner, corner);
}

void DrawArrow(QPainter& painter, const QPointF& centre, qreal size, int rotation, QColor color) {
    painter.save();
    painter.translate(centre);
    painter.rotate(rotation);
    QPainterPath triangle;
    triangle.moveTo(0, -size * 0.5);
    triangle.lineTo(size * 0.6, size * 0.4);
    triangle.lineTo(-size * 0.6, size * 0.4);
    triangle.closeSubpath();
    painter.fillPath(triangle, color);
    painter.restore();
}

void DrawHatching(QPainter& painter, const QRectF& rect, int spacing, QColor color) {
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(QPen(color, 1));
    const qreal span = rect.width() + rect.height();
    for (qreal offset = 0; offset < span; offset += spacing) {
        painter.drawLine(QPointF(rect.left() + offset, rect.top()),
                         QPointF(rect.left() + offset - rect.height(), rect.bottom()));
    }
    painter.restore();
}

void DrawSlash(QPainter& painter, const QPointF& origin, qreal width, qreal height, qreal slant,
               QColor color) {
    QPainterPath bar;
    bar.moveTo(origin + QPointF(slant, 0));
    bar.lineTo(origin + QPointF(slant + width, 0));
    bar.lineTo(origin + QPointF(width, height));
    bar.lineTo(origin + QPointF(0, height));
    bar.closeSubpath();
    painter.fillPath(bar, color);
}

}  // namespace skingen
