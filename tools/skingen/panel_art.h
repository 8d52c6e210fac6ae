// SPDX-License-Identifier: GPL-3.0-or-later
// Backgrounds of the settings panels and their sliders, dials and marks.
#pragma once

#include "skin_set.h"

#include <QPainter>
#include <QSize>

namespace skingen {

// The dark card every panel and section is drawn on.
void DrawPanelCard(QPainter& painter, QSize size);

void AddPanelArt(SkinSet& skins);

}  // namespace skingen
