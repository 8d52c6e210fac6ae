// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own picture under its children: the background, the mouse in its view with
// the highlighted entry's overlay lit, the left column with its open sections and the logos,
// and the colour note.
#pragma once

#include <filesystem>

#include "skin/main_window_layout.h"

class QFont;
class QImage;
class QPainter;

namespace vorlak {

struct UiTextTable;

// What the picture shows.
struct MainWindowScene {
    const std::filesystem::path& programFolder;
    const QImage& background;
    const QFont& captionFont;
    const UiTextTable& text;
    MouseView view = MouseView::Top;
    int highlighted = -1;  // the entry whose overlay is lit; -1 for none
    bool assignmentCollapsed = true;
    bool axisCollapsed = true;
    int sectionHeight = 0;  // of the open assignment section
};

// Paints the scene; the painter is left with the caption font and a white pen.
void PaintMainWindow(QPainter& painter, const MainWindowScene& scene);

}  // namespace vorlak
