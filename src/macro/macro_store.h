// SPDX-License-Identifier: GPL-3.0-or-later
// The macro store "record.ini": the list of macro names and one section per macro.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/sleeper.h"

namespace vorlak {

class IniFile;

// A macro as the store holds it: every field is text.
struct StoredMacro {
    std::string delayFlag;            // "DelayTimeSelStatus": "0" or "1"
    std::string loopText;             // "MacroLoopTimes"
    std::vector<std::string> events;  // "Item0" ... in play order
    // "ItemCount" states one event or more. Events past the last item key read as "" and
    // are not listed, but such a macro still plays its loop count on the mouse.
    bool statesEvents = false;
};

struct NamedMacro {
    std::string name;
    StoredMacro macro;
};

// The macro manager's write: the name list, a section it no longer needs (the former name of
// a renamed macro, a deleted macro) and the edited macro's section, in one replacement of the
// file, so the store is never seen with a part of the change.
struct MacroStoreEdit {
    std::vector<std::string> names;
    std::string removed;              // a section to delete; "" for none
    std::optional<NamedMacro> macro;  // rewritten whole after the removal; no events remove it
    // A macro without events keeps its section (flag, loop count, "ItemCount" 0): a recording
    // that captured no key before another macro was selected.
    bool keepsEmptySection = false;
};

// The most entries a stated count reads: a file whose keys run past it is damaged (the
// manager holds at most twelve macros and a recording stops at 62 events).
inline constexpr std::size_t kMaxStoreEntries = 4096;

// Reading rules, shared by the store and by anything that holds the store's text.
// A stated count ("MacroCount", "ItemCount") reads the entries ("0", "1" ... or "Item0" ...)
// up to the last one present in the file, so a stated count of two billion costs nothing;
// a missing entry before it reads as "", so a gap keeps the place of every entry after it.
// A count below 1 reads no entries; no more than kMaxStoreEntries are read.
std::vector<std::string> ReadMacroNames(const IniFile& store);
StoredMacro ReadStoredMacro(const IniFile& store, std::string_view name);
// The first `limit` listed macros with their content.
std::vector<NamedMacro> ReadMacros(const IniFile& store, std::size_t limit);

// Editing rules, shared by the store and by anything that holds the store's text. Each
// refuses, with false and nothing changed, what MacroStore's writes refuse.
bool ApplyStoreEdit(IniFile& store, const MacroStoreEdit& edit);
bool SetStoredLoopCount(IniFile& store, std::string_view name, int loopCount);

class MacroStore {
public:
    explicit MacroStore(std::filesystem::path path, Sleeper sleeper = RealSleeper());

    const std::filesystem::path& Path() const { return path_; }
    bool Exists() const;

    // Reads of a missing store give empty results.
    std::vector<std::string> ReadNames() const;
    StoredMacro ReadMacro(std::string_view name) const;
    // The stated "ItemCount" of the macro's section as a number (0 when absent).
    int ReadItemCount(std::string_view name) const;
    // ReadMacros above, from one read of the file.
    std::vector<NamedMacro> ReadMacros(std::size_t limit) const;

    // Writes return false when the file could not be written (the old file then stays),
    // and refuse, also with false, a name that IsStorableMacroName rejects (the name list
    // accepts empty names, which stand for missing entries) and values with line breaks.
    bool WriteNames(const std::vector<std::string>& names);
    // Rewrites the macro's section whole (an empty event list removes it), then waits 100 ms.
    bool WriteMacro(std::string_view name, int delayFlag, std::string_view loopText,
                    const std::vector<std::string>& events);
    bool WriteLoopCount(std::string_view name, int loopCount);
    // The names go in as values, so any name without a line break is listed; a section is
    // removed or written only under a name that IsStorableMacroName takes (the others never
    // had a section of their own). Pauses like WriteMacro when it writes a macro's events.
    bool Write(const MacroStoreEdit& edit);
    bool DeleteMacro(std::string_view name);

private:
    std::filesystem::path path_;
    Sleeper sleeper_;
};

}  // namespace vorlak
