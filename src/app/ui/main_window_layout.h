// SPDX-License-Identifier: GPL-3.0-or-later
// Where things sit in the main window: the button rectangles, the mouse pictures with their
// overlays, and the left column's sections as they collapse and expand. Client pixels.
// Qt-free: the artwork generator draws its images to these same rectangles.
#pragma once

#include <array>
#include <string>

namespace vorlak {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

enum class MouseView { Top = 1, Side = 2 };

inline constexpr PixelRect kHelpRect{937, 5, 952, 20};
inline constexpr PixelRect kMinimizeRect{958, 5, 973, 20};
inline constexpr PixelRect kCloseRect{979, 5, 994, 20};
inline constexpr PixelRect kConfigRect{18, 604, 90, 634};
inline constexpr PixelRect kResetRect{798, 604, 855, 634};
inline constexpr PixelRect kCancelRect{860, 604, 917, 634};
inline constexpr PixelRect kApplyRect{923, 604, 980, 634};
inline constexpr PixelRect kTopViewRect{442, 527, 504, 556};
inline constexpr PixelRect kSideViewRect{518, 527, 580, 556};
inline constexpr PixelRect kMouseArea{262, 4, 734, 500};
inline constexpr PixelRect kLeftColumn{20, 107, 262, 707};
inline constexpr PixelRect kSettingsHostRect{735, 32, 995, 593};
inline constexpr PixelPoint kColorNotePos{94, 612};
inline constexpr int kSliderWidth = 208;
inline constexpr int kSliderHeight = 9;
inline constexpr PixelPoint kLogoAt{20, 32};
inline constexpr PixelPoint kMouseLogoAt{40, 525};
// The two mouse pictures and the positions of their overlays 1..7.
inline constexpr PixelPoint kTopPictureAt{405, 25};
inline constexpr PixelPoint kSidePictureAt{300, 225};
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
    const char* image;
    PixelPoint position;
};
MousePicture PictureOf(MouseView view);
// Overlay n (1..7) of a view: its image in the normal or highlighted state, and its position.
std::string OverlayImage(MouseView view, int n, bool highlighted);
PixelPoint OverlayPosition(MouseView view, int n);
// The overlay (1..7) that shows assignment entry 0..13; 0 for the Shift layer.
int OverlayOfEntry(int entry);

// The left column for the two collapse flags and the height of the assignment section.
struct SectionLayout {
    PixelRect assignmentHeader{20, 107, 262, 127};
    PixelRect macroHeader;
    PixelRect axisHeader;
    bool labelsVisible = false;
    bool slidersVisible = false;
    PixelRect xSlider;  // meaningful while the sliders are visible
    PixelRect ySlider;
};
SectionLayout LayOutSections(bool assignmentCollapsed, bool axisCollapsed, int sectionHeight);

}  // namespace vorlak
