// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting panel as data: three rows (Standard, Respiration, Neon), each with its mode
// mark, its label and a slider of six steps with a scale under it. Client pixels of the panel.
// Qt-free.
#pragma once

#include "skin/settings_column_layout.h"

namespace vorlak::layout::lighting_panel {

inline constexpr PixelSize kSize{settings_column::kPanelWidth, 112};
inline constexpr int kRows = 3;
inline constexpr int kFontHeight = 11;
inline constexpr int kRowStep = 29;
inline constexpr int kSliderLeft = 100;
// The part of the gauge images the sliders show.
inline constexpr PixelRect kSliderImageCut{1, 0, 128, 11};

constexpr PixelRect SliderRect(int row) {
    return {kSliderLeft, 20 + kRowStep * row, 228, 28 + kRowStep * row};
}
constexpr PixelRect Mark(int row) {
    return {10, 20 + kRowStep * row, 20, 29 + kRowStep * row};
}
constexpr PixelRect LabelRect(int row) {
    return {25, 15 + kRowStep * row, 90, 34 + kRowStep * row};
}

// The scale under a slider: positions 1 to 5 (6 has no label), edges from the slider's left.
struct ScaleLabel {
    const char* text;
    int left;
    int right;
};
inline constexpr ScaleLabel kScales[kRows][5] = {
    {{"0%", 0, 30}, {"25%", 25, 55}, {"50%", 55, 85}, {"75%", 85, 115}, {"100%", 115, 145}},
    {{"4S", 0, 30}, {"5S", 30, 60}, {"6S", 60, 90}, {"7S", 90, 120}, {"8S", 120, 150}},
    {{"3S", 0, 30}, {"6S", 30, 60}, {"9S", 60, 90}, {"12S", 90, 120}, {"15S", 120, 150}},
};
constexpr PixelRect ScaleRect(int row, const ScaleLabel& label) {
    const int top = 33 + kRowStep * row;
    return {kSliderLeft + label.left, top, kSliderLeft + label.right, top + 15};
}

}  // namespace vorlak::layout::lighting_panel
