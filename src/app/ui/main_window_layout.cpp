// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/main_window_layout.h"

namespace vorlak {
namespace {

constexpr PixelRect Shifted(PixelRect r, int dy) {
    return {r.left, r.top + dy, r.right, r.bottom + dy};
}

}  // namespace

MousePicture PictureOf(MouseView view) {
    return view == MouseView::Top
               ? MousePicture{"Skins\\Mouse\\Front\\MouseFront.png", kTopPictureAt}
               : MousePicture{"Skins\\Mouse\\Side\\MouseSide.png", kSidePictureAt};
}

std::string OverlayImage(MouseView view, int n, bool highlighted) {
    const std::string stem = view == MouseView::Top ? "/Mouse/Front/F-" : "/Mouse/Side/S-";
    return "Skins" + stem + std::to_string(n) + (highlighted ? "-over.png" : "-normal.png");
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
    layout.macroHeader = Shifted({20, 132, 262, 152}, shift);
    layout.axisHeader = Shifted({20, 157, 262, 177}, shift);
    layout.slidersVisible = !axisCollapsed;
    const int b = layout.axisHeader.bottom;
    layout.xSlider = {37, b + 25, 37 + kSliderWidth, b + 25 + kSliderHeight};
    layout.ySlider = {37, b + 85, 37 + kSliderWidth, b + 85 + kSliderHeight};
    return layout;
}

}  // namespace vorlak
