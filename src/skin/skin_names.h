// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the skin images, relative to the Skins folder, written once: the windows read
// them (controls/skin_image.h: LoadSkin, DrawSkin) and the artwork generator writes the files
// under them, so a name cannot drift between the two. A new panel or dialog adds its names
// here: a constant per image, a small function per numbered family or per normal/over pair.
#pragma once

#include <string>
#include <string_view>

namespace vorlak {

// The folder of the skin images, beside the program or in the installed shared folder.
inline constexpr std::string_view kSkinFolderName = "Skins";

}  // namespace vorlak

namespace vorlak::skin {

// An image in its states: normal, under the pointer, pressed (or checked), disabled.
struct ButtonImages {
    std::string_view normal;
    std::string_view hover;
    std::string_view pressed;
    std::string_view disabled;
};

// The main window.
inline constexpr std::string_view kMainBackground = "main.png";
inline constexpr std::string_view kMainLeft = "BK_MainLeft.png";
inline constexpr std::string_view kMainMid = "BK_MainMid.png";
inline constexpr std::string_view kMainRight = "BK_MainRight.png";
inline constexpr std::string_view kLogo = "Logo.png";
inline constexpr std::string_view kMouseLogo = "MLogo.png";
inline constexpr std::string_view kAssignmentPanel = "ButtonAssignment/BK_ButtonAssignment.png";
inline constexpr std::string_view kAxisPanel = "XYSensitivity/BK_XYSensSetting.png";
inline constexpr std::string_view kMouseFront = "Mouse/Front/MouseFront.png";
inline constexpr std::string_view kMouseSide = "Mouse/Side/MouseSide.png";
// Overlay n (1..7) of the top or side view: "Mouse/Front/F-3-over.png",
// "Mouse/Side/S-3-normal.png".
inline std::string MouseOverlay(bool side, int n, bool over) {
    return std::string(side ? "Mouse/Side/S-" : "Mouse/Front/F-") + std::to_string(n) +
           (over ? "-over.png" : "-normal.png");
}

// Buttons and their states.
inline constexpr std::string_view kCloseNormal = "button-close-normal.png";
inline constexpr std::string_view kCloseOver = "button-close-over.png";
inline constexpr std::string_view kMinimizeNormal = "button-min-normal.png";
inline constexpr std::string_view kMinimizeOver = "button-min-over.png";
inline constexpr std::string_view kHelpNormal = "button-help-normal.png";
inline constexpr std::string_view kHelpOver = "button-help-over.png";
inline constexpr std::string_view kConfigNormal = "button-config-normal.png";
inline constexpr std::string_view kConfigOver = "button-config-over.png";
inline constexpr std::string_view kConfigPressed = "button-config-leave.png";
inline constexpr std::string_view kActionNormal = "button-cancel-normal.png";
inline constexpr std::string_view kActionOver = "button-cancel-over.png";
inline constexpr std::string_view kActionPressed = "button-cancel-leave.png";
inline constexpr std::string_view kActionDisabled = "button-save-leave.png";
inline constexpr std::string_view kViewNormal = "button-mouse-normal.png";
inline constexpr std::string_view kViewOver = "button-mouse-over.png";
inline constexpr std::string_view kViewPressed = "button-mouse-leave.png";
inline constexpr std::string_view kSectionHeader = "ItemBK.png";
inline constexpr std::string_view kLabelBoxNormal = "ButtonAssignment/DropdownBox-normal.png";
inline constexpr std::string_view kLabelBoxOver = "ButtonAssignment/DropdownBox-over.png";

// The gauges of the marker sliders: the horizontal track and fill of the axis and lighting
// sliders, and the DPI stages' vertical ones.
inline constexpr std::string_view kStageSliderTrack = "StageSlider/1.png";
inline constexpr std::string_view kStageSliderFill = "StageSlider/10.png";
inline constexpr std::string_view kDpiSliderTrack = "DPISetting/DPIStage/0.png";
inline constexpr std::string_view kDpiSliderFill = "DPISetting/DPIStage/82.png";

// The skinned scroll bar's grid.
inline constexpr std::string_view kScrollBar = "ScrollBar.png";

// The on/off marks of the DPI stages and lighting modes.
inline constexpr std::string_view kEnabledMark = "Enable.png";
inline constexpr std::string_view kDisabledMark = "Disable.png";

// The settings panels.
inline constexpr std::string_view kDpiPanel = "DPISetting/BK_DPISetting.png";
inline constexpr std::string_view kDpiValueBox = "DPISetting/BK-DPIValue.png";
inline constexpr std::string_view kLightingPanel = "Lighting/BK_Lighting.png";
inline constexpr std::string_view kPollingPanel = "USBReportRate/BK_USBReportRate.png";
// The polling dial with a rate lit: "USBReportRate/500HZ.png".
inline std::string PollingDial(int hertz) {
    return "USBReportRate/" + std::to_string(hertz) + "HZ.png";
}
inline constexpr std::string_view kPointerPanel = "MouseAttribute/BK_MouseAttribute.png";
// The pointer dial at a step 1..11: "MouseAttribute/Speed/6.png".
inline std::string SpeedDial(int step) {
    return "MouseAttribute/Speed/" + std::to_string(step) + ".png";
}
inline constexpr std::string_view kWheelPanel = "MouseAttribute/BK_ScrollSpeed.png";
inline constexpr std::string_view kWheelMarkOn = "MouseAttribute/ScrollSpeed/Enable.png";
inline constexpr std::string_view kWheelMarkOff = "MouseAttribute/ScrollSpeed/Disable.png";
inline constexpr std::string_view kWheelLinesField = "MouseAttribute/ScrollSpeed/ScrollLines.png";

// The dialogs.
inline constexpr std::string_view kKeyDialog = "single-key.png";
inline constexpr std::string_view kMacroPicker = "macro-key.png";
inline constexpr std::string_view kMacroManager = "MacroManagement/MacroManagement.png";
inline constexpr std::string_view kProfileManager = "Config/Config.png";
inline constexpr std::string_view kDialogCancelNormal = "MacroManagement/button-cancel-normal.png";
inline constexpr std::string_view kDialogCancelOver = "MacroManagement/button-cancel-over.png";
inline constexpr std::string_view kDialogNewNormal = "MacroManagement/button-new-normal.png";
inline constexpr std::string_view kDialogNewOver = "MacroManagement/button-new-over.png";
inline constexpr std::string_view kMacroCloseNormal = "macro-button-close-normal.png";
inline constexpr std::string_view kMacroCloseOver = "macro-button-close-over.png";
inline constexpr std::string_view kRecordNormal = "MacroManagement/Record-normal.png";
inline constexpr std::string_view kRecordOver = "MacroManagement/Record-over.png";
// The macro picker's play-mode marks and the macro manager's check boxes.
inline constexpr std::string_view kRadioOn = "PaneMakingTick.png";
inline constexpr std::string_view kRadioOff = "Pane.png";
inline constexpr std::string_view kCheckBoxOn = "MacroManagement/PaneMakingTick.png";
inline constexpr std::string_view kCheckBoxOff = "MacroManagement/Pane.png";
inline constexpr std::string_view kNewProfile = "Config/New-Config.png";
inline constexpr std::string_view kDeleteProfile = "Config/Del-Config.png";

// The start.
inline constexpr std::string_view kSplash = "splash.png";
// The application icon of a side in pixels: "icon-16.png" ...
inline std::string AppIcon(int side) {
    return "icon-" + std::to_string(side) + ".png";
}
inline constexpr std::string_view kTrayIcon = "tray-icon.png";

// A name as a path inside the Skins folder: "Skins/main.png".
inline std::string InSkins(std::string_view name) {
    std::string path(kSkinFolderName);
    return path.append("/").append(name);
}

}  // namespace vorlak::skin
