// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/main_window_layout.h"

namespace vorlak {

MousePicture PictureOf(MouseView view) {
    return view == MouseView::Top ? MousePicture{skin::InSkins(skin::kMouseFront), kTopPictureAt}
                                  : MousePicture{skin::InSkins(skin::kMouseSide), kSidePictureAt};
}

std::string OverlayImage(MouseView view, int n, bool highlighted) {
    return skin::InSkins(skin::MouseOverlay(view == MouseView::Side, n, highlighted));
}

PixelPoint OverlayPosition(MouseView view, int n) {
    const auto& table = view == MouseView::Top ? kTopOverlays : kSideOverlays;
    return table[static_cast<std::size_t>(n - 1)];
}

// Overlay n shows key-matrix slot n - 1; entries 3 and 4 sit in each other's slot.
int OverlayOfEntry(int entry) {
    if (entry < 0 || entry > 6)
        return 0;
    if (entry == 3)
        return 5;
    if (entry == 4)
        return 4;
    return entry + 1;
}

SectionLayout LayOutSections(bool assignmentCollapsed, bool axisCollapsed, int sectionHeight) {
    SectionLayout layout;
    const int shift = assignmentCollapsed ? 0 : sectionHeight;
    layout.labelsVisible = !assignmentCollapsed;
    layout.macroHeader = PixelRect{20, 132, 262, 152}.Moved(0, shift);
    layout.axisHeader = PixelRect{20, 157, 262, 177}.Moved(0, shift);
    layout.slidersVisible = !axisCollapsed;
    const int b = layout.axisHeader.bottom;
    layout.xSlider = {37, b + 25, 37 + kSliderWidth, b + 25 + kSliderHeight};
    layout.ySlider = {37, b + 85, 37 + kSliderWidth, b + 85 + kSliderHeight};
    return layout;
}

// The rows lie 60 pixels apart; a text reaches to the right edge of the column.
PixelRect AxisLabelRect(const PixelRect& axisHeader, int row) {
    const int top = axisHeader.bottom + 5 + 60 * row;
    return {axisHeader.left + 17, top, axisHeader.right + 1, top + 21};
}

PixelRect AxisNumberRect(const PixelRect& axisHeader, int row, int number) {
    const int top = axisHeader.bottom + 37 + 60 * row;
    return {axisHeader.left + 3 + 21 * number, top, axisHeader.right + 1, top + 21};
}

}  // namespace vorlak
