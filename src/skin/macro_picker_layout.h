// SPDX-License-Identifier: GPL-3.0-or-later
// The macro picker as data: its background, the prompt over the drop-down of macro names, the
// three play modes with their marks and texts, and its painted buttons. Client pixels.
// Qt-free: the dialog reads it and the artwork generator draws to it.
#pragma once

#include "skin/dialog_layout.h"
#include "skin/skin_names.h"

namespace vorlak::layout::macro_picker {

// The dialog takes the size of its background image (this size when it is missing).
inline constexpr PixelSize kSize{396, 292};
inline constexpr int kTitleHeight = 30;
inline constexpr int kModes = 3;
// The prompt: the drop-down area widened by 30 on each side and the 32 pixels above it.
inline constexpr PixelRect kPromptRect{12, 96, 181, 128};
inline constexpr PixelRect kNameFieldRect{42, 128, 136, 144};
// The name field with the background's arrow beside it: a click opens or closes the list.
inline constexpr PixelRect kDropDownArea{42, 128, 151, 144};
inline constexpr PixelRect kListRect{42, 146, 151, 286};
inline constexpr int kModeStep = 50;
inline constexpr PixelSize kMarkSize{16, 16};

constexpr PixelRect ModeMark(int mode) {
    return RectAt({220, 78 + kModeStep * mode}, kMarkSize);
}
// The rectangle a mode's text is fitted and centred in.
constexpr PixelRect ModeBox(int mode) {
    return {237, 70 + kModeStep * mode, 390, 102 + kModeStep * mode};
}

inline constexpr PaintedButtonLayout kClose{
    {352, 6, 370, 24}, skin::kCloseNormal, skin::kCloseOver};
inline constexpr PaintedButtonLayout kOk{
    {250, 250, 308, 275}, skin::kDialogNewNormal, skin::kDialogNewOver};
inline constexpr PaintedButtonLayout kCancel{
    {314, 250, 372, 275}, skin::kDialogNewNormal, skin::kDialogNewOver};

}  // namespace vorlak::layout::macro_picker
