// SPDX-License-Identifier: GPL-3.0-or-later
// How a caption fits its fixed box: in its face's own size where it can, else in the largest
// smaller size of the same face that fits, never below a legible floor; where even the floor
// is too wide, by how much the box must grow. No toolkit: the caller measures the text.
#pragma once

#include <span>

namespace vorlak {

// The smallest size a caption is drawn in: 9 pixels, about 7 points on a 96 dpi screen.
inline constexpr int kCaptionFloorPixels = 9;

struct CaptionFit {
    int pixels = 0;   // the size to draw the caption in
    int shortBy = 0;  // > 0: the box is this many pixels too narrow even at the floor
    bool Fits() const { return shortBy == 0; }
};

// How many sizes a caption of ownPixels is measured at: from its own size down to the floor
// (its own size alone where that is already at or below the floor).
constexpr int CaptionSizes(int ownPixels) {
    return ownPixels > kCaptionFloorPixels ? ownPixels - kCaptionFloorPixels + 1 : 1;
}

// The caption's widths at its sizes: widths[i] at ownPixels - i (CaptionSizes(ownPixels) of
// them). The largest size whose width is at most room; else the smallest, with the pixels it
// lacks there.
CaptionFit FitCaption(std::span<const int> widths, int ownPixels, int room);

}  // namespace vorlak
