// SPDX-License-Identifier: GPL-3.0-or-later
// Shared colours and drawing helpers of the artwork generator.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace skingen {

// The theme: deep menu reds over near-black and graphite.
namespace tone {
inline const QColor kMenuRed{111, 41, 41};
inline const QColor kMenuRedHot{143, 32, 32};
inline const QColor kRed{198, 28, 28};
inline const QColor kRedBright{255, 62, 48};
inline const QColor kInk{10, 10, 12};
inline const QColor kNight{17, 17, 20};
inline const QColor kSilver{150, 150, 160};
inline const QColor kWhite{255, 255, 255};
}  // namespace tone

// `color` with its alpha replaced.
QColor WithAlpha(QColor color, int alpha);

// The scale every image is drawn at while it lives: 1 for screens at 100 %, 2 for the "@2x"
// twins. An image made meanwhile has `scale` device pixels per layout pixel and that device pixel
// ratio, so a painter on it works in the layouts' coordinates; the previous scale comes back
// when it ends.
class DrawingScale {
public:
    explicit DrawingScale(int scale);
    ~DrawingScale();
    DrawingScale(const DrawingScale&) = delete;
    DrawingScale& operator=(const DrawingScale&) = delete;

    static int Current();

private:
    int previous_;
};

// An image of `size` layout pixels at the current scale, not filled.
QImage ScaledImage(QSize size, QImage::Format format);

// A transparent premultiplied ARGB image of `width` x `height` layout pixels.
QImage NewImage(int width, int height);

// The whole of `image` in layout pixels.
QRectF LayoutRect(const QImage& image);

// The part of `image` under `rect` (layout pixels), at the image's scale.
QImage CopyRect(const QImage& image, const QRect& rect);

// A painter with antialiasing switched on.
void BeginPainter(QPainter& painter, QImage& image);

// A new transparent image of `size` with `draw` run on an antialiased painter over it.
QImage DrawnImage(QSize size, const std::function<void(QPainter&)>& draw);

using GradientStops = std::initializer_list<std::pair<qreal, QColor>>;

// Linear gradients running down from `top` to `bottom` / right from `left` to `right`.
QLinearGradient VerticalGradient(qreal top, qreal bottom, GradientStops stops);
QLinearGradient HorizontalGradient(qreal left, qreal right, GradientStops stops);

// A smooth closed curve through the points (Catmull-Rom turned into cubic segments).
QPainterPath SmoothClosedPath(const std::vector<QPointF>& points);

// Approximately Gaussian blur of the whole image: three box passes in each direction, `radius`
// layout pixels wide at the image's scale.
void Blur(QImage& image, int radius);

// Soft light around a shape: the shape filled in `color`, blurred by `radius`, drawn centred.
void DrawGlow(QPainter& painter, const QPainterPath& shape, QColor color, int radius);

// A raised plate: vertical gradient, hairline highlight on top and a dark rim.
void DrawPlate(QPainter& painter, const QRectF& rect, qreal corner, QColor top, QColor bottom,
               QColor rim);

// A sunken well: dark fill, shadow along the top edge and a faint highlight along the bottom.
void DrawWell(QPainter& painter, const QRectF& rect, qreal corner, QColor fill);

// A filled triangle pointing up (rotation 0), right (90), down (180) or left (270).
void DrawArrow(QPainter& painter, const QPointF& centre, qreal size, int rotation, QColor color);

// Faint diagonal hatching inside `rect`, the texture of large dark surfaces.
void DrawHatching(QPainter& painter, const QRectF& rect, int spacing, QColor color);

// A sharp-cornered accent: a slanted bar as used on the title and bottom bars.
void DrawSlash(QPainter& painter, const QPointF& origin, qreal width, qreal height, qreal slant,
               QColor color);

}  // namespace skingen
