// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include "skin/skin_names.h"

#include "emblem.h"
#include "paint_kit.h"

#include <QLinearGradient>

namespace skingen {

namespace {

// The emblem on a dark rounded tile with a red rim.
QImage Tile(int side) {
    QImage image = NewImage(side, side);
    QPainter p;
    BeginPainter(p, image);
    const qreal s = side;
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    QLinearGradient fill(0, 0, 0, s);
    fill.setColorAt(0, QColor(48, 48, 56));
    fill.setColorAt(1, QColor(14, 14, 17));
    p.setPen(QPen(tone::kMenuRedHot, qMax(1.0, s / 32)));
    p.setBrush(fill);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    const qreal inset = side <= 16 ? 0.5 : s * 0.12;
    DrawEmblem(p, tile.adjusted(inset, inset + s * 0.03, -inset, -inset + s * 0.03),
               side >= 64 ? side / 32 : 0);
    return image;
}

// The emblem alone, for the notification area.
QImage Tray(int side) {
    QImage image = NewImage(side, side);
    QPainter p;
    BeginPainter(p, image);
    DrawEmblem(p, QRectF(0, 1, side, side), 0);
    return image;
}

}  // namespace

void AddAppIcons(SkinSet& skins) {
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        skins.Add(Name(vorlak::skin::AppIcon(side)), Tile(side), QSize(side, side));
    }
    skins.Add(Name(vorlak::skin::kTrayIcon), Tray(32), QSize(32, 32));
}

}  // namespace skingen
