// SPDX-License-Identifier: GPL-3.0-or-later
// The values each field of a record may hold: those the window writes, and those only the
// mouse or another program writes (lighting effect 4, the tilt functions, a DPI entry's
// action 0 of the defaults). A record from an import is refused when a field holds anything
// else; a record read from the data folder has such a field brought to the nearest allowed
// value before it is shown, sent or handed to the desktop. Fields the program only stores
// (the reserved bytes, angle snapping, the colours, byte values of "on" flags such as pointer
// precision) take every value. The macro slots are checked by their own encoding.
#pragma once

#include <vector>

#include "record/mouse_config.h"

namespace vorlak {

enum class RecordFieldKind {
    ProfileSlot,
    PollingRate,
    DpiLevel,    // index: the stage 0..6
    DpiEnabled,  // index: the stage 0..6
    LightMode,
    LightBrightness,
    LightBreathRate,
    LightNeonRate,
    PointerSpeed,
    WheelLines,
    DoubleClickStep,
    SensitivityX,
    SensitivityY,
    EntryFunction,  // index: the assignment entry 0..13, as for the kinds below
    EntryDpiAction,
    EntryMediaKey,
    EntryWindowsShortcut,
    EntryOfficeKey,
    EntryKey,
    EntryMacro,
    EntryMacroMode,
};

// A field outside its values: where, what it held, and the nearest value it may hold (the
// lower one when two are as near).
struct RecordField {
    RecordFieldKind kind;
    int index = 0;
    Byte found = 0;
    Byte nearest = 0;
    bool operator==(const RecordField&) const = default;
};

// Every field of record outside its values, in record order. An entry's parameter is checked
// for the function the entry holds (after that function is brought into its own values).
std::vector<RecordField> FieldsOutOfRange(const MouseConfig& record);

// Brings every such field to its nearest allowed value; returns the fields it changed.
std::vector<RecordField> BringIntoRange(MouseConfig& record);

}  // namespace vorlak
