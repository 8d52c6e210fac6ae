// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as data: its size, the button rectangles and the images of their states, the
// mouse pictures with their overlays, the left column's sections as they collapse and expand
// with their texts, the fonts, and the sizes of the images the window is put together from.
// Client pixels. Qt-free: the window reads it and the artwork generator draws to it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "skin/settings_column_layout.h"
#include "skin/skin_geometry.h"
#include "skin/skin_names.h"

namespace vorlak {

enum class MouseView { Top = 1, Side = 2 };

// The window takes the size of its background image (this size when it is missing): wide
// enough for the close button at x 994 and the settings column ending at x 995, tall enough
// for the bottom buttons ending at y 634.
inline constexpr PixelSize kMainWindowSize{1000, 645};
inline constexpr int kTitleBarHeight = 28;
inline constexpr int kBottomBarTop = 597;
inline constexpr int kCaptionFontHeight = 12;  // captions, the colour note, the help menu
inline constexpr int kButtonFontHeight = 13;   // the captions of the image buttons
inline constexpr int kHelpMenuWidth = 120;

// The window's image buttons: where they are and the images of their states.
inline constexpr skin::ButtonImages kActionButtonImages{
    skin::kActionNormal, skin::kActionOver, skin::kActionPressed, skin::kActionDisabled};
inline constexpr skin::ButtonImages kCloseButtonImages{skin::kCloseNormal, skin::kCloseOver,
                                                       skin::kCloseNormal, skin::kCloseNormal};
inline constexpr skin::ButtonImages kMinimizeButtonImages{
    skin::kMinimizeNormal, skin::kMinimizeOver, skin::kMinimizeNormal, skin::kMinimizeNormal};
inline constexpr skin::ButtonImages kHelpButtonImages{skin::kHelpNormal, skin::kHelpOver,
                                                      skin::kHelpNormal, skin::kHelpNormal};
inline constexpr skin::ButtonImages kConfigButtonImages{skin::kConfigNormal, skin::kConfigOver,
                                                        skin::kConfigPressed, skin::kConfigNormal};
inline constexpr skin::ButtonImages kViewButtonImages{skin::kViewNormal, skin::kViewOver,
                                                      skin::kViewPressed, skin::kViewNormal};
inline constexpr skin::ButtonImages kHeaderImages{skin::kSectionHeader, skin::kSectionHeader,
                                                  skin::kSectionHeader, skin::kSectionHeader};
inline constexpr skin::ButtonImages kLabelBoxImages{skin::kLabelBoxNormal, skin::kLabelBoxOver,
                                                    skin::kLabelBoxOver, skin::kLabelBoxNormal};
inline constexpr int kConfigCaptionIndent = 20;
inline constexpr int kHeaderCaptionIndent = 5;
inline constexpr int kLabelCaptionIndent = 5;
// The captions keep clear of the arrow at the right of a header (the settings column's title
// image) and of a label box (whose arrow sits in a cell of its own).
inline constexpr int kHeaderArrowRoom = layout::settings_column::kTitleArrowRoom;
inline constexpr int kLabelArrowCell = 15;

inline constexpr PixelRect kHelpRect{937, 5, 952, 20};
inline constexpr PixelRect kMinimizeRect{958, 5, 973, 20};
inline constexpr PixelRect kCloseRect{979, 5, 994, 20};
// The bottom buttons are wide enough for their captions in every language at the smallest
// size a caption is drawn in.
inline constexpr PixelRect kConfigRect{18, 604, 95, 634};
inline constexpr PixelRect kResetRect{781, 604, 844, 634};
inline constexpr PixelRect kCancelRect{849, 604, 912, 634};
inline constexpr PixelRect kApplyRect{917, 604, 980, 634};
inline constexpr PixelRect kTopViewRect{442, 527, 504, 556};
inline constexpr PixelRect kSideViewRect{518, 527, 580, 556};
// The mouse area (repainted on a view change) with its background image at its corner.
inline constexpr PixelRect kMouseArea{262, 4, 734, 500};
inline constexpr PixelRect kLeftColumn{20, 107, 262, 707};
inline constexpr PixelRect kSettingsHostRect{735, 32, 995, 593};
// Where a running write shows how far it is: between the mouse and the view buttons.
inline constexpr PixelRect kProgressRect{300, 505, 696, 521};
// The top left corner of the colour note's first line, beside the profile button.
inline constexpr PixelPoint kColorNotePos{kConfigRect.right + 4, 612};
// The left column's image, from the window's corner, and the two logos on it.
inline constexpr PixelSize kMainLeftSize{262, 645};
inline constexpr PixelPoint kLogoAt{20, 32};
inline constexpr PixelSize kLogoSize{242, 70};
inline constexpr PixelPoint kMouseLogoAt{40, 525};
inline constexpr PixelSize kMouseLogoSize{182, 66};

// The axis sliders: the gauge images cut at (0, 0) to this size, shown this high.
inline constexpr int kSliderWidth = 208;
inline constexpr int kSliderHeight = 9;
inline constexpr PixelSize kSliderImageSize{kSliderWidth, 14};

// The two mouse pictures and the positions of their overlays 1..7.
inline constexpr PixelPoint kTopPictureAt{405, 25};
inline constexpr PixelSize kTopPictureSize{240, 475};
inline constexpr PixelPoint kSidePictureAt{300, 225};
inline constexpr PixelSize kSidePictureSize{432, 195};
inline constexpr std::array<PixelPoint, 7> kTopOverlays = {
    {{360, 82}, {560, 82}, {505, 170}, {360, 232}, {360, 295}, {505, 235}, {505, 265}}};
inline constexpr std::array<PixelPoint, 7> kSideOverlays = {
    {{375, 155}, {315, 155}, {405, 250}, {470, 270}, {525, 265}, {460, 135}, {487, 135}}};

// Label box k (0..13) and the caption rectangle beside it.
constexpr PixelRect LabelBoxRect(int k) {
    return {120, 133 + 20 * k, 250, 149 + 20 * k};
}
constexpr PixelRect CaptionRect(int k) {
    return {31, 133 + 20 * k, 115, 147 + 20 * k};
}

// The picture of a view and its position.
struct MousePicture {
    std::string image;
    PixelPoint position;
};
MousePicture PictureOf(MouseView view);
// Overlay n (1..7) of a view: its image in the normal or highlighted state, and its position.
std::string OverlayImage(MouseView view, int n, bool highlighted);
PixelPoint OverlayPosition(MouseView view, int n);
// The overlay (1..7) that shows assignment entry 0..13; 0 for the Shift layer.
int OverlayOfEntry(int entry);

// The left column's sections: the assignment panel under its header (open, it moves the
// sections below by its height), and the axis panel under the axis header.
inline constexpr PixelPoint kAssignmentPanelAt{20, 127};
inline constexpr PixelSize kAssignmentPanelSize{242, 288};
inline constexpr PixelSize kAxisPanelSize{242, 122};

// The left column for the two collapse flags and the height of the assignment section.
struct SectionLayout {
    PixelRect assignmentHeader{20, 107, 262, 127};
    PixelRect macroHeader;
    PixelRect axisHeader;
    bool labelsVisible = false;
    bool slidersVisible = false;
    PixelRect xSlider;  // meaning only while the sliders are visible
    PixelRect ySlider;
};
SectionLayout LayOutSections(bool assignmentCollapsed, bool axisCollapsed, int sectionHeight);

// The texts of the open axis section under its header: the label of row 0 (x) or 1 (y), and
// the scale number 1..10 of a row, each left-aligned and vertically centred.
PixelRect AxisLabelRect(const PixelRect& axisHeader, int row);
PixelRect AxisNumberRect(const PixelRect& axisHeader, int row, int number);

}  // namespace vorlak
