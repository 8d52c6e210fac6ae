// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI panel as data: six stages side by side, each a vertical slider, its value box, its
// on/off mark and its colour swatch. Client pixels of the panel. Qt-free.
#pragma once

#include "skin/settings_column_layout.h"

namespace vorlak::layout::dpi_panel {

inline constexpr PixelSize kSize{settings_column::kPanelWidth, 230};
inline constexpr int kStages = 6;
inline constexpr int kFontHeight = 10;
inline constexpr int kFirstX = 35;
inline constexpr int kStageStep = 32;
inline constexpr int kSliderTop = 3;
// Stage 2's value box is 33 pixels wide, the others 25; the one image between them (29) keeps
// every centred number within 2 pixels of its box's middle and holds four digits.
inline constexpr int kWideBoxStage = 1;
inline constexpr PixelSize kValueBoxImageSize{29, 11};

constexpr int StageX(int stage) {
    return kFirstX + kStageStep * stage;
}
constexpr PixelRect SliderRect(int stage) {
    return {StageX(stage), kSliderTop, StageX(stage) + 7, 172};
}
constexpr PixelRect ValueBox(int stage) {
    return {StageX(stage) - 8, 182, stage == kWideBoxStage ? 92 : StageX(stage) + 17, 193};
}
constexpr PixelRect Toggle(int stage) {
    return {StageX(stage), 202, StageX(stage) + 10, 211};
}
constexpr PixelRect Swatch(int stage) {
    return {StageX(stage), 215, StageX(stage) + 10, 225};
}

}  // namespace vorlak::layout::dpi_panel
