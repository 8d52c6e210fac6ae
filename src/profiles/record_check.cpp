// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/record_check.h"

#include <algorithm>
#include <functional>
#include <span>

#include "assign/function_catalogue.h"
#include "keys/key_table.h"

namespace vorlak {
namespace {

using Allowed = std::function<bool(Byte)>;

Allowed Within(int low, int high) {
    return [low, high](Byte value) { return value >= low && value <= high; };
}

template <std::size_t N>
Allowed OneOf(const std::array<Byte, N>& values) {
    return [&values](Byte value) { return std::ranges::find(values, value) != values.end(); };
}

constexpr std::array<Byte, 5> kPollingDivisors = {0, 1, 2, 4, 8};  // 0 reads as 500 Hz
constexpr std::array<Byte, 17> kFunctionCodes = {0, 1,  2,  3,  4,  5,  6,  7, 8,
                                                 9, 10, 11, 13, 15, 16, 17, 18};

bool IsKeyUsage(Byte usage) {
    return std::ranges::any_of(KeyTable(),
                               [usage](const KeyRow& row) { return row.usage == usage; });
}

// The nearest value allowed, the lower of two as near.
Byte Nearest(Byte value, const Allowed& allowed) {
    for (int distance = 0; distance < 256; ++distance) {
        if (value - distance >= 0 && allowed(static_cast<Byte>(value - distance)))
            return static_cast<Byte>(value - distance);
        if (value + distance < 256 && allowed(static_cast<Byte>(value + distance)))
            return static_cast<Byte>(value + distance);
    }
    return value;
}

// Walks the checked fields of a record; visit sees each field with its allowed values and may
// change it (the entries' parameters are checked after their function).
template <class Record, class Visit>
void ForEachField(Record& record, Visit visit) {
    visit(RecordFieldKind::ProfileSlot, 0, record.profileSlot, Within(0, 5));
    visit(RecordFieldKind::PollingRate, 0, record.pollingDivisor, OneOf(kPollingDivisors));
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const auto s = static_cast<std::size_t>(stage);
        visit(RecordFieldKind::DpiLevel, stage, record.dpiLevel[s], Within(0, 54));
        visit(RecordFieldKind::DpiEnabled, stage, record.dpiEnabled[s], Within(0, 1));
    }
    visit(RecordFieldKind::LightMode, 0, record.lightMode, Within(0, 4));
    visit(RecordFieldKind::LightBrightness, 0, record.lightBrightness, Within(1, 6));
    visit(RecordFieldKind::LightBreathRate, 0, record.lightBreathRate, Within(1, 6));
    visit(RecordFieldKind::LightNeonRate, 0, record.lightNeonRate, Within(1, 6));
    visit(RecordFieldKind::PointerSpeed, 0, record.pointerSpeed, Within(1, 11));
    visit(RecordFieldKind::WheelLines, 0, record.wheelLines, Within(1, 100));
    visit(RecordFieldKind::DoubleClickStep, 0, record.doubleClickStep, Within(1, 11));
    visit(RecordFieldKind::SensitivityX, 0, record.sensitivityX, Within(1, 11));
    visit(RecordFieldKind::SensitivityY, 0, record.sensitivityY, Within(1, 11));
    for (int entry = 0; entry < kEntryCount; ++entry) {
        const auto e = static_cast<std::size_t>(entry);
        visit(RecordFieldKind::EntryFunction, entry, record.KeyFunction[e], OneOf(kFunctionCodes));
        switch (record.KeyFunction[e]) {
            case kFnDpi:
                visit(RecordFieldKind::EntryDpiAction, entry, record.KeyDpiAction[e],
                      Within(0, kDpiLoop));
                break;
            case kFnMultimedia:
                visit(RecordFieldKind::EntryMediaKey, entry, record.KeyMediaUsage[e],
                      OneOf(kMultimediaUsageLow));
                break;
            case kFnOffice:
                visit(RecordFieldKind::EntryOfficeKey, entry, record.KeyOfficeKey[e],
                      OneOf(kOfficeKeyUsages));
                break;
            case kFnWindowsShortcut:
                visit(RecordFieldKind::EntryWindowsShortcut, entry, record.KeyWinShortcut[e],
                      Within(0, kWindowsShortcutCount - 1));
                break;
            case kFnKeyboardKey:
                visit(RecordFieldKind::EntryKey, entry, record.KeyCode[e], Allowed(IsKeyUsage));
                break;
            case kFnMacro:
                visit(RecordFieldKind::EntryMacro, entry, record.KeyMacroIndex[e],
                      Within(0, kMacroSlots - 1));
                visit(RecordFieldKind::EntryMacroMode, entry, record.KeyMacroMode[e], Within(0, 2));
                break;
            default:
                break;
        }
    }
}

}  // namespace

std::vector<RecordField> FieldsOutOfRange(const MouseConfig& record) {
    // Checked on a copy, so that an entry's parameter is judged by the function it would have.
    MouseConfig copy = record;
    return BringIntoRange(copy);
}

std::vector<RecordField> BringIntoRange(MouseConfig& record) {
    std::vector<RecordField> changed;
    ForEachField(record, [&](RecordFieldKind kind, int index, Byte& value, const Allowed& allowed) {
        if (allowed(value))
            return;
        const Byte nearest = Nearest(value, allowed);
        changed.push_back({kind, index, value, nearest});
        value = nearest;
    });
    return changed;
}

}  // namespace vorlak
