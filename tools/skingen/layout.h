// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own layouts (src/skin/) in the generator's terms: every image is drawn to the
// rectangle or size the window, dialog or panel gives it, and nothing here is a number of its
// own. Images that serve several places take the size those places share.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <array>

#include "controls/pixel_geometry.h"
#include "skin/dpi_panel_layout.h"
#include "skin/key_capture_dialog_layout.h"
#include "skin/lighting_panel_layout.h"
#include "skin/macro_manager_layout.h"
#include "skin/macro_picker_layout.h"
#include "skin/main_window_layout.h"
#include "skin/polling_panel_layout.h"
#include "skin/profile_manager_layout.h"
#include "skin/settings_column_layout.h"
#include "skin/speed_dial_layout.h"
#include "skin/splash_layout.h"
#include "skin/wheel_panel_layout.h"

namespace skingen::layout {

using vorlak::ToQPoint;
using vorlak::ToQRect;
using vorlak::ToQSize;
namespace dpi = vorlak::layout::dpi_panel;
namespace lighting = vorlak::layout::lighting_panel;
namespace polling = vorlak::layout::polling_panel;
namespace speed = vorlak::layout::speed_dial;
namespace wheel = vorlak::layout::wheel_panel;
namespace column = vorlak::layout::settings_column;
namespace key_dialog = vorlak::layout::key_capture_dialog;
namespace picker = vorlak::layout::macro_picker;
namespace macros = vorlak::layout::macro_manager;
namespace profiles = vorlak::layout::profile_manager;

constexpr std::array<QPoint, 7> Points(const std::array<vorlak::PixelPoint, 7>& points) {
    std::array<QPoint, 7> result{};
    for (std::size_t i = 0; i < points.size(); ++i)
        result[i] = ToQPoint(points[i]);
    return result;
}
// The size an image takes that serves buttons of both sizes.
constexpr QSize Smaller(vorlak::PixelRect a, vorlak::PixelRect b) {
    return QSize(std::min(a.Width(), b.Width()), std::min(a.Height(), b.Height()));
}

// Main window.
inline constexpr QSize kMainWindow = ToQSize(vorlak::kMainWindowSize);
inline constexpr int kTitleBarHeight = vorlak::kTitleBarHeight;
inline constexpr int kBottomBarTop = vorlak::kBottomBarTop;
// The mouse area (repainted on a view change) and the background drawn into it.
inline constexpr QRect kMouseArea = ToQRect(vorlak::kMouseArea);
// The two mouse pictures and the placing positions of their overlays 1..7.
inline constexpr QRect kFrontPicture =
    ToQRect(RectAt(vorlak::kTopPictureAt, vorlak::kTopPictureSize));
inline constexpr QRect kSidePicture =
    ToQRect(RectAt(vorlak::kSidePictureAt, vorlak::kSidePictureSize));
inline constexpr std::array<QPoint, 7> kFrontOverlayAt = Points(vorlak::kTopOverlays);
inline constexpr std::array<QPoint, 7> kSideOverlayAt = Points(vorlak::kSideOverlays);
inline constexpr QSize kMainLeft = ToQSize(vorlak::kMainLeftSize);
inline constexpr QPoint kLogoAt = ToQPoint(vorlak::kLogoAt);
inline constexpr QSize kLogo = ToQSize(vorlak::kLogoSize);
inline constexpr QPoint kMouseLogoAt = ToQPoint(vorlak::kMouseLogoAt);
inline constexpr QSize kMouseLogo = ToQSize(vorlak::kMouseLogoSize);
// The settings host column.
inline constexpr QRect kSettingsHost = ToQRect(vorlak::kSettingsHostRect);
inline constexpr int kScrollBarWidth = column::kScrollBarWidth;

// Section panels of the left column.
inline constexpr QPoint kAssignmentPanelAt = ToQPoint(vorlak::kAssignmentPanelAt);
inline constexpr QSize kAssignmentPanel = ToQSize(vorlak::kAssignmentPanelSize);
inline constexpr QSize kAxisPanel = ToQSize(vorlak::kAxisPanelSize);
inline constexpr QSize kSectionHeader = ToQRect(vorlak::SectionLayout{}.assignmentHeader).size();
inline constexpr QSize kLabelBox = ToQRect(vorlak::LabelBoxRect(0)).size();
inline constexpr int kLabelArrowCell = vorlak::kLabelArrowCell;

// Buttons of the main window (their hit rectangles).
inline constexpr QSize kSmallButton = ToQRect(vorlak::kHelpRect).size();
inline constexpr QSize kConfigButton = ToQRect(vorlak::kConfigRect).size();
inline constexpr QSize kActionButton = ToQRect(vorlak::kApplyRect).size();
inline constexpr QSize kViewButton = ToQRect(vorlak::kTopViewRect).size();

// Axis sliders and the lighting sliders share one track and fill image: the main window cuts
// its top left, the lighting panel lighting::kSliderImageCut.
inline constexpr QSize kStageSlider = ToQSize(vorlak::kSliderImageSize);
inline constexpr int kAxisSliderHeight = vorlak::kSliderHeight;
inline constexpr int kLightSliderHeight = lighting::SliderRect(0).Height();

// Settings panels.
inline constexpr QSize kDpiPanel = ToQSize(dpi::kSize);
inline constexpr QSize kLightingPanel = ToQSize(lighting::kSize);
inline constexpr QSize kPollingPanel = ToQSize(polling::kSize);
inline constexpr QSize kPointerPanel = ToQSize(speed::kSize);
inline constexpr QSize kScrollPanel = ToQSize(wheel::kSize);

// DPI panel elements.
inline constexpr QSize kDpiSlider = ToQRect(dpi::SliderRect(0)).size();
inline constexpr QSize kDpiValueBox = ToQSize(dpi::kValueBoxImageSize);
inline constexpr int kDpiFirstX = dpi::kFirstX;
inline constexpr int kDpiStep = dpi::kStageStep;
inline constexpr int kDpiSliderTop = dpi::kSliderTop;
// The on/off mark of DPI stages and lighting modes.
inline constexpr QSize kToggleMark = ToQRect(dpi::Toggle(0)).size();

// Lighting panel sliders.
inline constexpr QRect kLightSlider = ToQRect(lighting::SliderRect(0));
inline constexpr int kLightRowStep = lighting::kRowStep;
inline constexpr QPoint kLightMarkAt = ToQPoint(lighting::Mark(0).TopLeft());

// Polling dial: the picture fills the dial rectangle.
inline constexpr QRect kPollingDial = ToQRect(polling::kDial);
inline constexpr QPoint kPollingCentre = ToQPoint(polling::kDialCentre);

// Pointer dials: the picture fills the dial box.
inline constexpr QRect kSpeedDial = ToQRect(speed::kDial);
inline constexpr QPoint kSpeedCentre = ToQPoint(speed::kCentre);

// Wheel panel: the marks, the lines field and the spin arrows.
inline constexpr QSize kWheelMark = ToQSize(wheel::kMarkImageSize);
inline constexpr QPoint kLinesMarkAt = ToQPoint(wheel::kLinesMark.TopLeft());
inline constexpr QPoint kScreenMarkAt = ToQPoint(wheel::kScreenMark.TopLeft());
inline constexpr QRect kLinesField = ToQRect(wheel::kLinesField);
inline constexpr QRect kSpinUp = ToQRect(wheel::kUpArrow);
inline constexpr QRect kSpinDown = ToQRect(wheel::kDownArrow);

// Dialogs.
inline constexpr QSize kKeyDialog = ToQSize(key_dialog::kSize);
inline constexpr QSize kMacroKeyDialog = ToQSize(picker::kSize);
inline constexpr QSize kMacroManager = ToQSize(macros::kSize);
inline constexpr QSize kProfileManager = ToQSize(profiles::kSize);
inline constexpr QSize kSplash = ToQSize(vorlak::layout::splash::kSize);

// Dialog buttons: the macro manager's OK/Cancel and the key dialog's share one image, so it
// takes the smaller of both; New/Delete and the picker's OK/Cancel share the other.
inline constexpr QSize kDialogCancelButton = Smaller(macros::kOk.rect, key_dialog::kOk.rect);
inline constexpr QSize kDialogNewButton = Smaller(macros::kNew.rect, picker::kOk.rect);
inline constexpr QSize kRecordButton = ToQRect(macros::kRecordButtonRect).size();
inline constexpr QSize kMacroClose = ToQRect(macros::kClose.rect).size();
inline constexpr QSize kCheckBox = ToQRect(macros::kLoopsBox).size();
inline constexpr QSize kRadioMark = ToQSize(picker::kMarkSize);
inline constexpr QSize kProfileIcon = ToQSize(profiles::kIconSize);

// Skinned scroll bar.
inline constexpr QSize kScrollSkin = ToQSize(column::kScrollSkinSize);

}  // namespace skingen::layout
