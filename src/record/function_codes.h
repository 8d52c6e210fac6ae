// SPDX-License-Identifier: GPL-3.0-or-later
// The values the record's assignment fields hold: the function codes of
// MouseConfig::KeyFunction, the DPI actions of KeyDpiAction, the range of KeyWinShortcut, and
// the entry layout. What the functions mean lives with the catalogue (assign/), how they go
// to the mouse with the key matrices (device/).
#pragma once

#include "record/mouse_config.h"

namespace vorlak {

// Function codes as stored in MouseConfig::KeyFunction. 12 and 14 are unused.
inline constexpr Byte kFnLeftClick = 0;
inline constexpr Byte kFnRightClick = 1;
inline constexpr Byte kFnMiddleClick = 2;
inline constexpr Byte kFnForward = 3;
inline constexpr Byte kFnBack = 4;
inline constexpr Byte kFnDoubleClick = 5;
inline constexpr Byte kFnDpi = 6;
inline constexpr Byte kFnMultimedia = 7;
inline constexpr Byte kFnOffice = 8;
inline constexpr Byte kFnWindowsShortcut = 9;
inline constexpr Byte kFnKeyboardKey = 10;
inline constexpr Byte kFnMacro = 11;
inline constexpr Byte kFnDeactivated = 13;
inline constexpr Byte kFnLeftTilt = 15;   // only from stored profiles
inline constexpr Byte kFnRightTilt = 16;  // only from stored profiles
inline constexpr Byte kFnShiftDpi = 17;   // only from stored profiles
inline constexpr Byte kFnShift = 18;

// MouseConfig::KeyDpiAction of a DPI entry.
inline constexpr Byte kDpiUp = 1;
inline constexpr Byte kDpiDown = 2;
inline constexpr Byte kDpiLoop = 3;

// Number of Windows shortcuts (MouseConfig::KeyWinShortcut 0..6).
inline constexpr int kWindowsShortcutCount = 7;

// Entry layout: entries 0..6 are the base layer in button order, 7..13 the Shift layer in
// key-matrix slot order.
inline constexpr int kBaseEntryCount = 7;
inline constexpr int kFirstShiftEntry = 7;

}  // namespace vorlak
