// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/function_catalogue.h"

#include <algorithm>
#include <span>

#include "keys/key_table.h"

namespace vorlak {
namespace {

// Functions whose label is one text of the table.
struct TextLabel {
    Byte code;
    std::string UiTextTable::*text;
};
constexpr std::array<TextLabel, 9> kTextLabels = {{
    {kFnLeftClick, &UiTextTable::TxtFnClick},
    {kFnRightClick, &UiTextTable::TxtFnMenu},
    {kFnMiddleClick, &UiTextTable::TxtFnScroll},
    {kFnForward, &UiTextTable::TxtFnForward},
    {kFnBack, &UiTextTable::TxtFnBack},
    {kFnDoubleClick, &UiTextTable::TxtFnDoubleClick},
    {kFnDeactivated, &UiTextTable::TxtFnDeactivated},
    {kFnLeftTilt, &UiTextTable::TxtFnLeftTilt},
    {kFnRightTilt, &UiTextTable::TxtFnRightTilt},
}};

std::string TextLabelOf(const UiTextTable& text, Byte code) {
    auto it = std::find_if(kTextLabels.begin(), kTextLabels.end(),
                           [code](const TextLabel& l) { return l.code == code; });
    return it == kTextLabels.end() ? std::string() : text.*(it->text);
}

// The name at index in a list; "" when the index lies outside it.
template <std::size_t N>
std::string NameAt(std::span<const std::string_view, N> names, std::size_t index) {
    return index < N ? std::string(names[index]) : std::string();
}

// The position of value in a parameter table; the table's size when it is missing.
template <std::size_t N>
std::size_t IndexOf(const std::array<Byte, N>& table, Byte value) {
    return static_cast<std::size_t>(std::find(table.begin(), table.end(), value) - table.begin());
}

std::string DpiLabel(const UiTextTable& text, Byte action) {
    if (action < kDpiUp || action > kDpiLoop)
        return {};
    return DpiFunctionNames(text)[action - kDpiUp];
}

}  // namespace

std::string KeyboardKeyLabel(const UiTextTable& text, std::string_view keyName) {
    return text.TxtFnKeyboardKey + "-" + std::string(keyName);
}

std::string FunctionLabel(const MouseConfig& record, int entry, const UiTextTable& text,
                          std::string_view languageCode, std::string_view macroName) {
    if (entry < 0 || entry >= kEntryCount)
        return {};
    const auto e = static_cast<std::size_t>(entry);
    switch (record.KeyFunction[e]) {
        case kFnDpi:
            return DpiLabel(text, record.KeyDpiAction[e]);
        case kFnMultimedia:
            return NameAt(MultimediaFunctionNames(languageCode),
                          IndexOf(kMultimediaUsageLow, record.KeyMediaUsage[e]));
        case kFnOffice:
            return NameAt(OfficeFunctionNames(languageCode),
                          IndexOf(kOfficeKeyUsages, record.KeyOfficeKey[e]));
        case kFnWindowsShortcut:
            return NameAt(WindowsShortcutNames(languageCode), record.KeyWinShortcut[e]);
        case kFnKeyboardKey:
            return KeyboardKeyLabel(text, UsageToKeyName(record.KeyCode[e]));
        case kFnMacro:
            return text.TxtFnMacro + ":" + std::string(macroName);
        case kFnShift:
            return std::string(kShiftLabel);
        default:
            return TextLabelOf(text, record.KeyFunction[e]);
    }
}

}  // namespace vorlak
