// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager as data: its background, the title, the three columns (macros, the
// selected macro's events, the options) with their headings, the record button, the two
// options with their texts and check boxes, the loop field, and its painted buttons. Client
// pixels. Qt-free: the dialog reads it and the artwork generator draws to it.
#pragma once

#include "skin/dialog_layout.h"
#include "skin/skin_names.h"

namespace vorlak::layout::macro_manager {

// The dialog takes the size of its background image (this size when it is missing).
inline constexpr PixelSize kSize{490, 432};
inline constexpr int kTitleHeight = 31;
inline constexpr PixelRect kTitleRect{15, 0, 414, 31};
inline constexpr PixelRect kMacroHeading{16, 60, 134, 78};
inline constexpr PixelRect kEventHeading{148, 60, 266, 78};
inline constexpr PixelRect kOptionsHeading{279, 60, 397, 78};
inline constexpr PixelRect kMacroListRect{21, 82, 130, 353};
inline constexpr PixelRect kEventListRect{153, 82, 262, 353};
// The record button, wide enough for both captions in every language at the smallest size a
// caption is drawn in: its images are cut to this width (the button shows their left part).
inline constexpr PixelRect kRecordButtonRect{287, 87, 391, 111};
inline constexpr int kRecordImageWidth = 122;
inline constexpr PixelRect kRecordDelayText{290, 136, 370, 206};
inline constexpr PixelRect kRecordDelayBox{370, 144, 384, 158};
// In the options column, between the record-delay option and the loops.
inline constexpr PixelRect kShortcutsNoteRect{288, 180, 394, 292};
inline constexpr PixelRect kLoopsText{296, 299, 401, 314};
inline constexpr PixelRect kLoopsBox{296, 314, 310, 328};
inline constexpr PixelRect kLoopFieldRect{298, 333, 379, 345};
inline constexpr int kMenuWidth = 140;

// The painted buttons, in the order of their hover flags.
inline constexpr PaintedButtonLayout kOk{
    {298, 394, 352, 422}, skin::kDialogCancelNormal, skin::kDialogCancelOver};
inline constexpr PaintedButtonLayout kCancel{
    {354, 394, 408, 422}, skin::kDialogCancelNormal, skin::kDialogCancelOver};
inline constexpr PaintedButtonLayout kNew{
    {17, 367, 75, 392}, skin::kDialogNewNormal, skin::kDialogNewOver};
inline constexpr PaintedButtonLayout kDelete{
    {77, 367, 135, 392}, skin::kDialogNewNormal, skin::kDialogNewOver};
inline constexpr PaintedButtonLayout kClose{
    {427, 17, 478, 41}, skin::kMacroCloseNormal, skin::kMacroCloseOver};

}  // namespace vorlak::layout::macro_manager
