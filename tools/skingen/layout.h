// SPDX-License-Identifier: GPL-3.0-or-later
// Positions and sizes the program lays its skin images out at. Every image size is derived
// from the rectangle the image fills; the few sizes the layout leaves open are marked.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

#include "app/ui/main_window_layout.h"

namespace skingen::layout {

// The window's own rectangles and points, in Qt's terms.
constexpr QRect Rect(vorlak::PixelRect r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}
constexpr QPoint Point(vorlak::PixelPoint p) {
    return QPoint(p.x, p.y);
}
constexpr std::array<QPoint, 7> Points(const std::array<vorlak::PixelPoint, 7>& points) {
    std::array<QPoint, 7> result{};
    for (std::size_t i = 0; i < points.size(); ++i)
        result[i] = Point(points[i]);
    return result;
}

// Main window. Its size is open: wide enough for the close button at x 994 and the settings
// column ending at x 995, tall enough for the bottom buttons ending at y 634.
inline constexpr QSize kMainWindow{1000, 645};
inline constexpr int kTitleBarHeight = 28;
inline constexpr int kBottomBarTop = 597;
// The mouse area (repainted on a view change) and the background drawn into it.
inline constexpr QRect kMouseArea = Rect(vorlak::kMouseArea);
// The two mouse pictures and the placing positions of their overlays 1..7.
inline constexpr QPoint kFrontPictureAt = Point(vorlak::kTopPictureAt);
inline constexpr QPoint kSidePictureAt = Point(vorlak::kSidePictureAt);
inline constexpr std::array<QPoint, 7> kFrontOverlayAt = Points(vorlak::kTopOverlays);
inline constexpr std::array<QPoint, 7> kSideOverlayAt = Points(vorlak::kSideOverlays);
// The left column: section headers and panels 242 wide from x 20.
inline constexpr QRect kLeftColumn{0, 0, 262, 645};
inline constexpr QPoint kLogoAt = Point(vorlak::kLogoAt);
inline constexpr QSize kLogo{242, 70};
inline constexpr QPoint kMouseLogoAt = Point(vorlak::kMouseLogoAt);
inline constexpr QSize kMouseLogo{182, 66};
// The settings host column.
inline constexpr QRect kSettingsHost = Rect(vorlak::kSettingsHostRect);
inline constexpr int kScrollBarWidth = 13;

// Section panels of the left column (open heights: the fourteen label boxes with a 6 pixel
// margin; the axis section reaches to its second scale row at +117).
inline constexpr QPoint kAssignmentPanelAt{20, 127};
inline constexpr QSize kAssignmentPanel{242, 288};
inline constexpr QSize kAxisPanel{242, 122};
inline constexpr QSize kSectionHeader = Rect(vorlak::SectionLayout{}.assignmentHeader).size();
inline constexpr QSize kLabelBox = Rect(vorlak::LabelBoxRect(0)).size();

// Buttons of the main window (their hit rectangles).
inline constexpr QSize kSmallButton = Rect(vorlak::kHelpRect).size();
inline constexpr QSize kConfigButton = Rect(vorlak::kConfigRect).size();
inline constexpr QSize kActionButton = Rect(vorlak::kApplyRect).size();
inline constexpr QSize kViewButton = Rect(vorlak::kTopViewRect).size();

// Axis sliders and the lighting sliders share one track and fill image: the main window cuts
// (0,0)-(208,14), the lighting panel (1,0)-(128,11).
inline constexpr QSize kStageSlider{vorlak::kSliderWidth, 14};
inline constexpr int kAxisSliderHeight = vorlak::kSliderHeight;
inline constexpr int kLightSliderHeight = 8;

// Settings panels: 242 wide, as tall as their lowest element plus a small margin.
inline constexpr int kPanelWidth = 242;
inline constexpr QSize kDpiPanel{kPanelWidth, 230};
inline constexpr QSize kLightingPanel{kPanelWidth, 112};
inline constexpr QSize kPollingPanel{kPanelWidth, 133};
inline constexpr QSize kPointerPanel{kPanelWidth, 108};
inline constexpr QSize kScrollPanel{kPanelWidth, 70};

// DPI panel elements.
inline constexpr QSize kDpiSlider{7, 169};
// The value boxes are 25 wide, stage 2's 33; the one image between them (29) keeps every
// centred number within 2 pixels of its box's middle and holds four digits.
inline constexpr QSize kDpiValueBox{29, 11};
inline constexpr int kDpiFirstX = 35;
inline constexpr int kDpiStep = 32;
inline constexpr int kDpiSliderTop = 3;
// The on/off mark of DPI stages and lighting modes: (x,202)-(x+10,211) and (10,20)-(20,29).
inline constexpr QSize kToggleMark{10, 9};

// Lighting panel sliders, rows 29 pixels apart.
inline constexpr QRect kLightSlider{100, 20, 128, 8};
inline constexpr int kLightRowStep = 29;
inline constexpr QPoint kLightMarkAt{10, 20};

// Polling dial: the picture fills the dial rectangle (57,5)-(185,128); centre (121,66); clicks
// count on the ring 35..64 from the centre.
inline constexpr QRect kPollingDial{57, 5, 128, 123};
inline constexpr QPoint kPollingCentre{121, 66};

// Pointer dials: the picture fills the dial box (50,20)-(192,103); centre (121,91); clicks count
// on the upper half ring 43..71 from the centre.
inline constexpr QRect kSpeedDial{50, 20, 142, 83};
inline constexpr QPoint kSpeedCentre{121, 91};

// Wheel panel: marks (5,17)-(16,30) and (5,50)-(16,62), the lines field (150,15)-(186,29) and
// the spin arrows (190,15)-(200,21), (190,23)-(200,29).
inline constexpr QSize kWheelMark{11, 12};
inline constexpr QPoint kLinesMarkAt{5, 17};
inline constexpr QPoint kScreenMarkAt{5, 50};
inline constexpr QRect kLinesField{150, 15, 36, 14};
inline constexpr QRect kSpinUp{190, 15, 10, 6};
inline constexpr QRect kSpinDown{190, 23, 10, 6};

// Dialogs. Their sizes are open: each reaches just past its outermost element.
inline constexpr QSize kKeyDialog{384, 285};
inline constexpr QSize kMacroKeyDialog{396, 292};
inline constexpr QSize kMacroManager{490, 432};
inline constexpr QSize kProfileManager{263, 600};
inline constexpr QSize kSplash{480, 270};
inline constexpr int kDialogTitleHeight = 31;

// Dialog buttons: the macro manager's OK/Cancel (54 x 28) and the key dialog's (64 x 25) share
// one image, so it takes the smaller of both; New/Delete and the picker's OK/Cancel are 58 x 25.
inline constexpr QSize kDialogCancelButton{54, 25};
inline constexpr QSize kDialogNewButton{58, 25};
inline constexpr QSize kRecordButton{89, 24};
inline constexpr QSize kMacroClose{51, 24};
inline constexpr QSize kCheckBox{14, 14};
inline constexpr QSize kRadioMark{16, 16};
inline constexpr QSize kProfileIcon{14, 14};

// Skinned scroll bar: 9 columns x 3 rows of 13 x 16 cells.
inline constexpr QSize kScrollSkin{117, 48};

}  // namespace skingen::layout
