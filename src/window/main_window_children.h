// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's children: the image buttons, the left column's section headers, label
// boxes and axis sliders, and the settings column in its scroll frame. Made at their places in
// the window's skin, captioned in the user's language, and the left column laid out as its
// sections open and close.
#pragma once

#include <QFont>

#include <array>
#include <filesystem>

#include "panels/settings_panel.h"
#include "record/mouse_config.h"
#include "skin/main_window_layout.h"

class QWidget;

namespace vorlak {

class SkinButton;
class MarkerSlider;
class SettingsColumn;
struct UiTextTable;

// The axis sliders' range: the sensitivities 1..10 and one more step.
inline constexpr int kAxisSliderMin = 1;
inline constexpr int kAxisSliderMax = 11;

struct MainWindowChildren {
    SkinButton* reset = nullptr;
    SkinButton* cancel = nullptr;
    SkinButton* apply = nullptr;
    SkinButton* close = nullptr;
    SkinButton* minimize = nullptr;
    SkinButton* help = nullptr;
    SkinButton* config = nullptr;
    SkinButton* topView = nullptr;
    SkinButton* sideView = nullptr;
    SkinButton* assignmentHeader = nullptr;
    SkinButton* macroHeader = nullptr;
    SkinButton* axisHeader = nullptr;
    std::array<SkinButton*, kEntryCount> labelBoxes{};
    MarkerSlider* xSlider = nullptr;
    MarkerSlider* ySlider = nullptr;
    SettingsColumn* settingsHost = nullptr;
};

// Makes the children in window with the images of programFolder's skin and their captions in
// captionFont's face; the label boxes and the sliders start hidden, the sections collapsed.
MainWindowChildren MakeMainWindowChildren(QWidget& window,
                                          const std::filesystem::path& programFolder,
                                          const QFont& captionFont, PanelContext settings);
void SetCaptions(const MainWindowChildren& children, const UiTextTable& text);
// Places the left column's headers, label boxes and sliders for layout; while the profile
// manager covers the column (columnShown false) they are all hidden.
void PlaceLeftColumn(const MainWindowChildren& children, const SectionLayout& layout,
                     bool columnShown);

}  // namespace vorlak
