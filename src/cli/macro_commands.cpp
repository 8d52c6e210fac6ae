// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl macro: the macro manager's flows on the macro store, ended as its OK ends them:
// the store's blocks go into the record's twelve slots, buttons follow their macros, and the
// current profile is saved.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "cli/command.h"
#include "cli/words.h"
#include "common/file_writes.h"
#include "keys/key_capture.h"
#include "keys/key_table.h"
#include "macro/macro_block.h"
#include "macro/macro_event.h"
#include "macro/macro_manager.h"
#include "macro/macro_name.h"
#include "macro/macro_store.h"
#include "record/ini_file.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

// The number of the macro named name; a usage error when there is none.
int MacroIndex(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameMacroName(names[i], name))
            return static_cast<int>(i);
    }
    ThrowUsage("no macro is called \"" + CutText(name) + "\" (vorlakctl macro list)");
}

// vorlakctl records no keys: the manager's recorder never starts.
class NoKeyCapture : public KeyCapture {
public:
    void Start(KeyHandler, FailureHandler) override {}
    void Stop() override {}
};

// The macro manager opened on the data folder's store, as the window opens it, with the
// record's macro slots as its staging rows; its writes reach the disk at once. The store's
// pause after a write (for the window's sake) is left out: nothing waits for vorlakctl.
class ManagerRun {
public:
    explicit ManagerRun(MainController& controller)
        : controller_(controller),
          store_(controller.Files().MacroStorePath(), [](std::chrono::milliseconds) {}),
          staging_(controller.Editor().Record().macroSlot),
          manager_(
              Opened(store_).Path(), writes_, staging_, keys_, [] { return 0U; },
              [](std::function<void()> task) { task(); },
              std::string(MacroManagerTextsFor(controller.LanguageCode()).namePrefix), {}) {}

    MacroManager& Manager() { return manager_; }
    MacroStore& Store() { return store_; }
    const MacroManagerTexts Texts() const {
        return MacroManagerTextsFor(controller_.LanguageCode());
    }
    // The number of the macro named name, selected; a usage error when there is none.
    int Select(std::string_view name) {
        const int index = MacroIndex(manager_.Names(), name);
        manager_.SelectMacro(index);
        return index;
    }
    // OK: the blocks into the record and the buttons after their macros, once the store
    // holds the manager's list; a store that could not be written changes nothing more.
    bool Ok() {
        std::optional<MacroManagerResult> result;
        manager_.Ok(
            [&result](std::optional<MacroManagerResult> ended) { result = std::move(ended); });
        if (!result) {
            ThrowDataFile(store_.Path().string() +
                          " could not be written: " + manager_.StoreProblem().message());
        }
        controller_.TakeMacroManagerResult(*result);
        return true;
    }

private:
    // The store must be there and writable: the manager skips its writes otherwise.
    static MacroStore& Opened(MacroStore& store) {
        if (std::string problem = FileProblem(store.Path(), R_OK | W_OK); !problem.empty())
            ThrowDataFile(store.Path().string() + " " + problem);
        return store;
    }

    MainController& controller_;
    MacroStore store_;
    MacroRows staging_;
    NoKeyCapture keys_;
    ImmediateFileWrites writes_;
    MacroManager manager_;
};

void CheckName(std::string_view name, std::span<const std::string> others) {
    if (!IsValidMacroName(name, others)) {
        ThrowUsage("\"" + CutText(name) +
                   "\" cannot name a macro: names are unique (ignoring case), not empty, without "
                   "blanks at either end, line breaks, [ ] or =, and not MacroName");
    }
}

// The names without entry index.
std::vector<std::string> Others(std::vector<std::string> names, int index) {
    names.erase(names.begin() + index);
    return names;
}

int List(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 0, 0, "macro list");
    session.LoadDataFolder();  // the store alone
    const MacroStore store(session.Controller().Files().MacroStorePath());
    const std::vector<NamedMacro> macros = store.ReadMacros(kMaxStoreEntries);
    for (std::size_t i = 0; i < macros.size(); ++i) {
        const StoredMacro& m = macros[i].macro;
        std::cout << i + 1 << "  " << macros[i].name << "  " << Count(m.events.size(), "event")
                  << ", loop " << (m.loopText.empty() ? "1" : m.loopText) << "\n";
    }
    if (macros.empty())
        std::cout << "no macros\n";
    return kExitSuccess;
}

int Show(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "macro show NAME");
    session.LoadDataFolder();  // the store alone
    const MacroStore store(session.Controller().Files().MacroStorePath());
    const std::vector<std::string> names = store.ReadNames();
    const int index = MacroIndex(names, args[0]);
    const std::string& name = names[static_cast<std::size_t>(index)];
    const StoredMacro macro = store.ReadMacro(name);
    const EncodedMacro encoded = EncodeMacroBlock(macro.loopText, macro.events);
    const std::string loop = macro.loopText.empty() ? "1" : macro.loopText;
    const std::string delays = macro.delayFlag == "1" ? "on" : "off";
    std::cout << "# macro " << index + 1 << " \"" << name << "\": loop " << loop
              << ", record delays " << delays << ", " << Count(macro.events.size(), "event");
    if (encoded.dropped) {
        std::cout << "; " << Count(static_cast<std::size_t>(encoded.dropped), "key event")
                  << (encoded.dropped == 1 ? " does" : " do") << " not fit the mouse and "
                  << (encoded.dropped == 1 ? "is" : "are") << " cut";
    }
    // The settings as lines that macro set --file reads back, then the events.
    std::cout << "\nloop " << loop << "\nrecord-delay " << delays << "\n";
    for (const std::string& event : macro.events)
        std::cout << event << "\n";
    return kExitSuccess;
}

int New(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 0, 1, "macro new [NAME]");
    return session.EditCurrentProfile([&](MainController& controller) {
        ManagerRun run(controller);
        MacroManager& manager = run.Manager();
        if (!args.empty())
            CheckName(args[0], manager.Names());
        if (!manager.New()) {
            const MacroManagerTexts texts = run.Texts();
            ThrowUsage(std::string(texts.limitCaption) + " " + std::string(texts.limitMessage));
        }
        const int index = manager.SelectedMacro();
        if (!args.empty())
            manager.EndNameEdit(index, args[0]);
        std::cout << "macro " << index + 1 << " \""
                  << manager.Names()[static_cast<std::size_t>(index)] << "\"\n";
        return run.Ok();
    });
}

int Rename(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 2, 2, "macro rename NAME NEW-NAME");
    return session.EditCurrentProfile([&](MainController& controller) {
        ManagerRun run(controller);
        const int index = run.Select(args[0]);
        CheckName(args[1], Others(run.Manager().Names(), index));
        run.Manager().EndNameEdit(index, args[1]);
        std::cout << "macro " << index + 1 << " \"" << args[1] << "\"\n";
        return run.Ok();
    });
}

int Delete(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "macro delete NAME");
    return session.EditCurrentProfile([&](MainController& controller) {
        ManagerRun run(controller);
        const int index = run.Select(args[0]);
        const std::string name = run.Manager().Names()[static_cast<std::size_t>(index)];
        run.Manager().Delete();
        std::cout << "deleted macro \"" << name << "\"\n";
        return run.Ok();
    });
}

// An event as the store writes it. The press and release suffixes may come with any run of
// blanks before Dn or Up; a delay may be written "50ms".
std::string EventText(const std::string& typed, std::size_t number) {
    static const std::regex kKey(R"(^(.*?)\s+(Dn|Up)$)");
    static const std::regex kDelay(R"(^\s*(\d+)\s*ms$)");
    std::smatch match;
    auto bad = [&](const std::string& why) {
        ThrowUsage("event " + std::to_string(number) + " \"" + CutText(typed) + "\" " + why);
    };
    if (std::regex_match(typed, match, kDelay)) {
        if (match[1].length() > 7 || std::stoi(match[1]) > kMaxMacroDelay)
            bad("is longer than the mouse can wait (" + std::to_string(kMaxMacroDelay) + " ms)");
        return DelayText(std::stoi(match[1]));
    }
    if (!std::regex_match(typed, match, kKey))
        bad("is not an event: write KEY   Dn, KEY   Up or N ms (as macro show prints them)");
    const std::string key = match[1];
    if (MacroKeyNameToUsage(key) == 0)
        bad("names no key the mouse knows (A, F5, Enter, L-Button, M-Button, R-Button ...)");
    return match[2] == "Dn" ? PressText(key) : ReleaseText(key);
}

// The event lines of FILE, or of standard input for "-": a regular file only (a device or a
// pipe named as FILE may never end), and no more than the macro store can hold.
std::vector<std::string> ReadEventLines(std::string_view typed) {
    std::ifstream file;
    const std::filesystem::path path = UserPath(typed);
    const std::string name = typed == "-" ? std::string("standard input") : path.string();
    if (typed != "-") {
        if (std::string problem = FileProblem(path, R_OK); !problem.empty())
            ThrowDataFile(name + " " + problem);
        if (!std::filesystem::is_regular_file(path))
            ThrowDataFile(name + " is not a regular file");
        file.open(path, std::ios::binary);
    }
    std::istream& in = typed == "-" ? std::cin : file;
    std::string text(IniFile::kMaxFileBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad())
        ThrowDataFile(name + " could not be read: " + SystemReason(errno));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > IniFile::kMaxFileBytes) {
        ThrowDataFile(name + " is larger than the macro store may be (" +
                      std::to_string(IniFile::kMaxFileBytes >> 20) + " MiB): it was not read");
    }
    std::istringstream lineStream(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(lineStream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && !line.starts_with('#'))
            lines.push_back(line);
    }
    return lines;
}

struct MacroSettings {
    std::optional<int> loop;
    std::optional<bool> recordDelay;
    std::optional<std::vector<std::string>> events;
};

// The settings lines of a file as macro show writes them ("loop 2", "record-delay on"), taken
// out of its lines into fileSettings.
void TakeFileSettings(std::vector<std::string>& lines, MacroSettings& fileSettings) {
    static const std::regex kSetting(R"(^\s*(loop|record-delay)\s+(\S+)\s*$)");
    std::erase_if(lines, [&](const std::string& line) {
        std::smatch match;
        if (!std::regex_match(line, match, kSetting))
            return false;
        const std::string value = match[2];
        if (match[1] == "loop") {
            fileSettings.loop = ParseNumber(value, "the loop count", 1, 65535);
        } else if (value == "on" || value == "off") {
            fileSettings.recordDelay = value == "on";
        } else {
            ThrowUsage("record-delay is on or off, not \"" + CutText(value) + "\"");
        }
        return true;
    });
}

// The words after NAME. Options on the command line go before the settings lines of a file.
MacroSettings ParseSettings(CommandArgs args) {
    MacroSettings settings, fileSettings;
    std::vector<std::string> typed;
    bool fromFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool option = word == "--loop" || word == "--record-delay" || word == "--file";
        if (option && i + 1 == args.size())
            ThrowUsage(word + " needs a value");
        if (word == "--loop") {
            settings.loop = ParseNumber(args[++i], "the loop count", 1, 65535);
        } else if (word == "--record-delay") {
            const std::string& value = args[++i];
            if (value != "on" && value != "off")
                ThrowUsage("--record-delay is on or off, not \"" + CutText(value) + "\"");
            settings.recordDelay = value == "on";
        } else if (word == "--file") {
            fromFile = true;
            typed = ReadEventLines(args[++i]);
            TakeFileSettings(typed, fileSettings);
        } else if (word == "--events") {
            settings.events.emplace();
        } else {
            if (fromFile)
                ThrowUsage("the events come from --file or from the words, not both");
            typed.push_back(word);
        }
    }
    if (fromFile || !typed.empty() || settings.events) {
        settings.events.emplace();
        for (std::size_t i = 0; i < typed.size(); ++i)
            settings.events->push_back(EventText(typed[i], i + 1));
    }
    settings.loop = settings.loop ? settings.loop : fileSettings.loop;
    settings.recordDelay = settings.recordDelay ? settings.recordDelay : fileSettings.recordDelay;
    return settings;
}

constexpr std::string_view kSetUsage =
    "NAME [--loop N] [--record-delay on|off] [--file FILE | --events | EVENT ...]";

int Set(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 2, 100000, std::string("macro set ") + std::string(kSetUsage));
    const MacroSettings settings = ParseSettings(args.subspan(1));
    return session.EditCurrentProfile([&](MainController& controller) {
        std::optional<ManagerRun> run(std::in_place, controller);
        const int index = run->Select(args[0]);
        const std::string name = run->Manager().Names()[static_cast<std::size_t>(index)];
        const StoredMacro old = run->Store().ReadMacro(name);
        const std::vector<std::string>& events = settings.events ? *settings.events : old.events;
        const std::string loop = settings.loop          ? std::to_string(*settings.loop)
                                 : old.loopText.empty() ? "1"
                                                        : old.loopText;
        const int delayFlag =
            settings.recordDelay ? int(*settings.recordDelay) : ParseLeadingInt(old.delayFlag);
        // A macro without events has no section, so no flag: say so rather than claim it.
        if (events.empty() && settings.recordDelay && *settings.recordDelay) {
            ThrowUsage("\"" + name +
                       "\" has no events, and a macro without events keeps no record-delay "
                       "flag: give its events with --record-delay on");
        }
        const EncodedMacro encoded = EncodeMacroBlock(loop, events);
        if (encoded.dropped) {
            ThrowUsage("\"" + CutText(name) +
                       "\" does not fit the mouse's macro block (126 bytes of " +
                       "events): " + Count(static_cast<std::size_t>(encoded.dropped), "key event") +
                       " would be cut. Shorten it, or split it into two macros.");
        }
        // The manager has no operation that replaces the events whole: the section is written
        // as its own write would, then the manager opens again on the store and ends with OK.
        run->Store().Write({run->Manager().Names(), "",
                            NamedMacro{name, {std::to_string(delayFlag), loop, events}}});
        if (events.empty())
            run->Store().WriteLoopCount(name, ParseLeadingInt(loop));
        run.emplace(controller);
        std::cout << "macro " << index + 1 << " \"" << name
                  << "\": " << Count(events.size(), "event") << ", loop " << loop
                  << ", record delays " << (delayFlag ? "on" : "off") << "\n";
        return run->Ok();
    });
}

constexpr Command kCommands[] = {
    {"macro list", "", "the macros by number and name", "Lists the macro store's macros.",
     Access::Reads, List},
    {"macro show", "NAME", "a macro's loop count, flag and events",
     "Prints a # line naming the macro, then its settings as the lines loop N and\n"
     "record-delay on|off, then its events one a line: a file that macro set --file reads back\n"
     "whole. vorlakctl macro show A > a.txt; vorlakctl macro set B --file a.txt gives B the\n"
     "events, loop count and record-delay flag of A.",
     Access::Reads, Show},
    {"macro new", "[NAME]", "a new empty macro",
     "Adds an empty macro at the end of the list, named NAME or as the macro manager names\n"
     "new macros. Twelve macros at most.",
     Access::WritesFiles, New},
    {"macro rename", "NAME NEW-NAME", "rename a macro; buttons follow",
     "Renames the macro; the buttons that play it show the new name. Names are unique without\n"
     "regard to case; blanks at either end, line breaks, [ ] = and MacroName are refused.",
     Access::WritesFiles, Rename},
    {"macro delete", "NAME", "delete a macro; buttons follow",
     "Deletes the macro. The macros after it move up one number, and the buttons that play\n"
     "them follow; the buttons that played the deleted one become Deactivated.",
     Access::WritesFiles, Delete},
    {"macro set", kSetUsage, "set a macro's events, loop, delay flag",
     "The events as the store writes them, from the words or from FILE (one a line, - for\n"
     "standard input, # starts a comment), for example:\n"
     "  vorlakctl macro set Macro_1 --loop 2 'A   Dn' '95 ms' 'A   Up'\n"
     "The blanks before Dn and Up are free; --events alone empties the macro. The loop count\n"
     "is 1 to 65535; a delay at most 6553599 ms. FILE may also hold the lines loop N and\n"
     "record-delay on|off, as macro show prints them; --loop and --record-delay given here go\n"
     "first. --record-delay is the macro manager's Record delays box: whether a recording in\n"
     "the window measures the delays between keys. It is kept with the macro and changes\n"
     "nothing on the mouse. A macro that does not fit the mouse's block (126 bytes of events)\n"
     "is refused with the number of key events that would be cut.\n"
     "Each change of the macros also writes them into the current profile's record, as the\n"
     "macro manager's OK does.",
     Access::WritesFiles, Set},
};

}  // namespace

std::span<const Command> MacroCommands() {
    return kCommands;
}

}  // namespace vorlak
