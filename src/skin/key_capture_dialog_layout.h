// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture dialog as data: its background, the prompt over the plate of the key's
// name, the note that the desktop keeps its shortcuts, and its three painted buttons. Client
// pixels. Qt-free: the dialog reads it and the artwork generator draws to it.
#pragma once

#include "skin/dialog_layout.h"
#include "skin/skin_names.h"

namespace vorlak::layout::key_capture_dialog {

// The dialog takes the size of its background image (this size when it is missing).
inline constexpr PixelSize kSize{384, 285};
inline constexpr int kTitleHeight = 30;
inline constexpr PixelRect kPromptRect{34, 103, 220, 123};
inline constexpr PixelRect kKeyNameRect{74, 129, 150, 143};
// Below the key name's plate, left of the arrow keys.
inline constexpr PixelRect kShortcutsNoteRect{20, 168, 222, 234};
inline constexpr PaintedButtonLayout kClose{
    {352, 6, 370, 24}, skin::kCloseNormal, skin::kCloseOver};
inline constexpr PaintedButtonLayout kOk{
    {244, 250, 308, 275}, skin::kDialogCancelNormal, skin::kDialogCancelOver};
inline constexpr PaintedButtonLayout kCancel{
    {314, 250, 378, 275}, skin::kDialogCancelNormal, skin::kDialogCancelOver};

}  // namespace vorlak::layout::key_capture_dialog
