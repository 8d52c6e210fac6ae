// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/button_function.h"

#include <algorithm>
#include <cctype>

#include "assign/function_catalogue.h"
#include "keys/key_table.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

// A name in words, quoted when it holds a blank so that it reads as one.
std::string Word(std::string_view name) {
    return name.find(' ') == std::string_view::npos ? std::string(name)
                                                    : "\"" + std::string(name) + "\"";
}

// The index of value in a parameter table; -1 when it is not there.
template <std::size_t N>
int IndexOf(const std::array<Byte, N>& table, Byte value) {
    const auto it = std::find(table.begin(), table.end(), value);
    return it == table.end() ? -1 : static_cast<int>(it - table.begin());
}

ButtonFunction Named(std::string kind, int index, std::span<const std::string_view> names,
                     std::string_view numberName, int number) {
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        return {kind,
                {{std::string(numberName), number}},
                kind + " (" + std::string(numberName) + " " + std::to_string(number) + ")"};
    const std::string word = CommandWord(names[static_cast<std::size_t>(index)]);
    return {kind, {{"name", word}, {std::string(numberName), number}}, kind + " " + word};
}

ButtonFunction Macro(const MouseConfig& r, std::size_t e, const std::vector<std::string>& names) {
    const int index = r.KeyMacroIndex[e];
    const int mode = r.KeyMacroMode[e];
    ButtonFunction f{"macro", {{"number", index + 1}}, "macro"};
    if (static_cast<std::size_t>(index) < names.size()) {
        f.parameters.emplace_back("name", names[static_cast<std::size_t>(index)]);
        f.text += " \"" + names[static_cast<std::size_t>(index)] + "\"";
    } else {
        f.text += " " + std::to_string(index + 1) + " (not in the macro store)";
    }
    const std::string modeWord = static_cast<std::size_t>(mode) < kPlayModes.size()
                                     ? std::string(kPlayModes[static_cast<std::size_t>(mode)])
                                     : "mode " + std::to_string(mode);
    f.parameters.emplace_back("mode", modeWord);
    f.text += " " + modeWord;
    return f;
}

}  // namespace

std::string CommandWord(std::string_view name) {
    std::string word;
    for (char c : name)
        word += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

ButtonFunction DecodeButton(const MouseConfig& r, int entry,
                            const std::vector<std::string>& macroNames) {
    const auto e = static_cast<std::size_t>(entry);
    const int code = r.KeyFunction[e];
    for (const FunctionWord& plain : kPlainFunctionWords) {
        if (plain.code == code)
            return {std::string(plain.word), {}, std::string(plain.word)};
    }
    switch (code) {
        case kFnDpi: {
            const int action = r.KeyDpiAction[e];
            if (action >= kDpiUp && action <= kDpiLoop) {
                const std::string word(kDpiActionWords[static_cast<std::size_t>(action - kDpiUp)]);
                return {"dpi", {{"action", word}}, "dpi-" + word};
            }
            return {"dpi", {{"action", action}}, "dpi (action " + std::to_string(action) + ")"};
        }
        case kFnMultimedia:
            return Named("media", IndexOf(kMultimediaUsageLow, r.KeyMediaUsage[e]),
                         MultimediaFunctionNames("EN"), "usage", r.KeyMediaUsage[e]);
        case kFnOffice:
            return Named("office", IndexOf(kOfficeKeyUsages, r.KeyOfficeKey[e]),
                         OfficeFunctionNames("EN"), "usage", r.KeyOfficeKey[e]);
        case kFnWindowsShortcut:
            return Named("windows",
                         r.KeyWinShortcut[e] < kWindowsShortcutCount ? r.KeyWinShortcut[e] : -1,
                         WindowsShortcutNames("EN"), "index", r.KeyWinShortcut[e]);
        case kFnKeyboardKey: {
            const int usage = r.KeyCode[e];
            const std::string_view name = UsageToKeyName(static_cast<std::uint8_t>(usage));
            if (name == "N/A")
                return {"key", {{"usage", usage}}, "key (usage " + std::to_string(usage) + ")"};
            return {"key", {{"name", std::string(name)}, {"usage", usage}}, "key " + Word(name)};
        }
        case kFnMacro:
            return Macro(r, e, macroNames);
        default:
            return {"unknown", {{"code", code}}, "code " + std::to_string(code) + " (no function)"};
    }
}

}  // namespace vorlak
