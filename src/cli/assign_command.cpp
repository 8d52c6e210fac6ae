// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl assign: a button of either layer gets any function of the catalogue, through the
// record editor's assignment with the window's rules and messages.
#include <array>
#include <iostream>

#include "assign/entry_assignment.h"
#include "cli/button_function.h"
#include "cli/command.h"
#include "cli/entry_names.h"
#include "cli/words.h"
#include "keys/key_table.h"
#include "macro/macro_name.h"

namespace vorlak {
namespace {

constexpr std::string_view kUsage = "assign BUTTON FUNCTION [NAME] [MODE]";

// The index of name in the list of the profile's language or in the English one.
template <std::size_t N>
std::size_t NameIndex(std::span<const std::string_view, N> local,
                      std::span<const std::string_view, N> english, std::string_view name,
                      std::string_view what) {
    for (std::size_t i = 0; i < N; ++i) {
        if (SameName(local[i], name) || SameName(english[i], name))
            return i;
    }
    std::string known;
    for (std::string_view n : english)
        known += (known.empty() ? "" : ", ") + FoldName(n);
    ThrowUsage("no " + std::string(what) + " is called \"" + CutText(name) + "\"; they are " +
               known);
}

// A key name of the key table: exactly as listed, or ignoring case.
std::string KeyName(std::string_view name) {
    if (KeyNameToUsage(name) != 0)
        return std::string(name);
    for (const KeyRow& row : KeyTable()) {
        if (SameName(row.name, name) && row.usage != 0)
            return std::string(row.name);
    }
    ThrowUsage("no key is called \"" + CutText(name) +
               "\"; vorlakctl keys lists the key names (A, F5, Enter, Ctrl, Page Up ...)");
}

MacroChoice Macro(const MacroStore& store, std::string_view name, std::string_view modeWord) {
    const std::vector<std::string> names = store.ReadNames();
    for (std::size_t i = 0; i < names.size() && i < kMacroSlots; ++i) {
        if (!SameMacroName(names[i], name))
            continue;
        int mode = 0;
        if (!modeWord.empty()) {
            mode = -1;
            for (std::size_t m = 0; m < kPlayModes.size(); ++m) {
                if (SameName(kPlayModes[m], modeWord) || modeWord == std::to_string(m))
                    mode = static_cast<int>(m);
            }
            if (mode < 0)
                ThrowUsage("the play mode is once, until-any-button or while-held, not \"" +
                           CutText(modeWord) + "\"");
        }
        return MacroChoice{static_cast<int>(i), static_cast<Byte>(mode), names[i]};
    }
    ThrowUsage("no macro is called \"" + CutText(name) + "\" (vorlakctl macro list)");
}

// The choice the words after BUTTON name.
EntryChoice Choice(CommandArgs words, const MainController& controller, const MacroStore& store) {
    const std::string function = FoldName(words[0]);
    const std::string_view code = controller.LanguageCode();
    const bool named = function == "media" || function == "office" || function == "windows" ||
                       function == "key" || function == "macro";
    ExpectWords(words.size(), named ? 2 : 1, function == "macro" ? 3 : named ? 2 : 1, kUsage);
    for (std::size_t i = 0; i < kAssignablePlainFunctions; ++i) {
        if (function == FoldName(kPlainFunctionWords[i].word))
            return PlainChoice{kPlainFunctionWords[i].code};
    }
    for (std::size_t a = 0; a < kDpiActionWords.size(); ++a) {
        if (function == FoldName("dpi-" + std::string(kDpiActionWords[a])))
            return DpiChoice{static_cast<Byte>(kDpiUp + a)};
    }
    const std::string& name = words.size() > 1 ? words[1] : words[0];
    if (function == "media")
        return MultimediaChoice{kMultimediaUsageLow[NameIndex(MultimediaFunctionNames(code),
                                                              MultimediaFunctionNames("EN"), name,
                                                              "multimedia function")]};
    if (function == "office")
        return OfficeChoice{kOfficeKeyUsages[NameIndex(
            OfficeFunctionNames(code), OfficeFunctionNames("EN"), name, "office function")]};
    if (function == "windows")
        return WindowsShortcutChoice{static_cast<Byte>(NameIndex(
            WindowsShortcutNames(code), WindowsShortcutNames("EN"), name, "Windows shortcut"))};
    if (function == "key")
        return KeyChoice{KeyName(name)};
    if (function == "macro")
        return Macro(store, name, words.size() > 2 ? words[2] : std::string_view());
    ThrowUsage("no function is called \"" + CutText(words[0]) +
               "\"; vorlakctl assign --help lists them");
}

// Why the window would not make the assignment, in words.
std::string RefusalText(AssignReason reason, const UiTextTable& text, int entry) {
    switch (reason) {
        case AssignReason::ShiftFollowsBase: {
            const std::string base = EntryCaption(text, BaseOfMirror(entry));
            return EntryCaption(text, entry) + " carries Shift because " + base +
                   " does: the held button keeps its meaning in the Shift layer. Give " + base +
                   " another function first.";
        }
        case AssignReason::LastClick: {
            const MessageText message = LastClickMessage(text);
            return message.caption + " " + message.text + " (" + EntryCaption(text, entry) +
                   " is the last one)";
        }
        case AssignReason::NoShiftInShiftLayer:
            // The Shift layer's menu has no Shift item.
            return "Shift is a function of Button 1 ... Button 7 only (the Shift layer has none)";
        default:
            return {};
    }
}

int Assign(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 2, 4, kUsage);
    const int entry = ParseEntry(args[0]);
    if (entry < 0)
        ThrowUsage("no button is called \"" + CutText(args[0]) +
                   "\"; they are 1 ... 7 and shift+1 ... shift+7");
    return session.EditCurrentProfile([&](MainController& controller) {
        const MacroStore store(controller.Files().MacroStorePath());
        const EntryChoice choice = Choice(args.subspan(1), controller, store);
        const UiTextTable& text = controller.Text();
        RecordEditor& editor = controller.Editor();
        // The window shows its message instead of the last left click's menu, so that entry
        // takes not even left click again.
        if (IsLastClick(editor.Record(), entry))
            ThrowUsage(RefusalText(AssignReason::LastClick, text, entry));
        const AssignResult result =
            editor.AssignEntry(entry, choice, {text, controller.LanguageCode(), store});
        if (std::string refusal = RefusalText(result.reason, text, entry); !refusal.empty())
            ThrowUsage(std::move(refusal));
        const auto label = [&](int e) { return editor.Labels()[static_cast<std::size_t>(e)]; };
        if (result.outcome == AssignOutcome::Unchanged)
            std::cout << EntryCaption(text, entry) << ": " << label(entry) << " (unchanged)\n";
        for (int e : result.changed)
            std::cout << EntryCaption(text, e) << ": " << label(e) << "\n";
        return result.outcome == AssignOutcome::Assigned;
    });
}

// The key names assign takes, one a line, as the key table lists them.
int Keys(Session&, CommandArgs args) {
    ExpectWords(args.size(), 0, 0, "keys");
    for (const KeyRow& row : KeyTable()) {
        if (row.usage != 0)
            std::cout << row.name << "\n";
    }
    return kExitSuccess;
}

constexpr Command kCommands[] = {
    {"assign", "BUTTON FUNCTION [NAME] [MODE]", "give a button of either layer a function",
     "BUTTON: 1 ... 7 (Button 1 ... Button 7) or shift+1 ... shift+7 (the Shift layer, as the\n"
     "window captions it). FUNCTION:\n"
     "  click, menu, scroll, forward, back, double-click, deactivated\n"
     "  shift                    (buttons 1 ... 7; the same button's Shift+ entry follows)\n"
     "  dpi-up, dpi-down, dpi-loop\n"
     "  media NAME               open-media-player, next-track, previous-track, stop,\n"
     "                           play/pause, mute, volume-up, volume-down\n"
     "  office NAME              new, cut, copy, paste, save, print, find, redo, undo,\n"
     "                           select-all\n"
     "  windows NAME             my-computer, web-home, search-computer, maximize,\n"
     "                           minimize, show-desktop, run\n"
     "  key NAME                 a key by its name (A, F5, Enter, Ctrl, 'Page Up' ...;\n"
     "                           vorlakctl keys lists them)\n"
     "  macro NAME [MODE]        a macro by its name; MODE once (default), until-any-button\n"
     "                           or while-held\n"
     "Names ignore case, and - reads as a blank. The window's rules hold: the last left\n"
     "click stays; a Shift+ entry that carries Shift follows its button; a button that gives\n"
     "up Shift leaves its Shift+ entry Deactivated; a macro of one event plays once.",
     Access::WritesFiles, Assign},
    {"keys", "", "the key names assign ... key takes",
     "Lists the names of the keys a button can send (assign BUTTON key NAME), one a line, in\n"
     "the order of the key table. Names with blanks are quoted on the command line:\n"
     "  vorlakctl assign 6 key 'Page Up'",
     Access::Reads, Keys},
};

}  // namespace

std::span<const Command> AssignCommands() {
    return kCommands;
}

}  // namespace vorlak
