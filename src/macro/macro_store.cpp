#include "macro/macro_store.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <utility>

#include "macro/macro_event.h"
#include "macro/macro_name.h"
#include "record/ini_file.h"

namespace vorlak {

namespace {

constexpr std::string_view kCountKey = "MacroCount";
constexpr std::string_view kDelayFlagKey = "DelayTimeSelStatus";
constexpr std::string_view kLoopKey = "MacroLoopTimes";
constexpr std::string_view kItemCountKey = "ItemCount";
constexpr std::chrono::milliseconds kWritePause{100};

std::string ItemKey(std::size_t index) {
    return "Item" + std::to_string(index);
}

// The number of entries a stated count asks for: as stated, at most kMaxStoreEntries.
std::size_t StatedCount(const IniFile& store, std::string_view section, std::string_view countKey) {
    const int stated = ParseLeadingInt(store.Get(section, countKey));
    return stated < 1 ? 0 : std::min(static_cast<std::size_t>(stated), kMaxStoreEntries);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsListableName(std::string_view name) {
    return name.empty() || IsStorableMacroName(name);
}

void SetNames(IniFile& store, const std::vector<std::string>& names) {
    store.RemoveSection(kMacroNameSection);
    if (names.empty()) {
        store.Set(kMacroNameSection, kCountKey, "0");
        store.Set(kMacroNameSection, "0", "");
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        store.Set(kMacroNameSection, kCountKey, std::to_string(names.size()));
        store.Set(kMacroNameSection, std::to_string(i), names[i]);
    }
}

void SetMacro(IniFile& store, std::string_view name, std::string_view delayFlag,
              std::string_view loopText, const std::vector<std::string>& events) {
    store.RemoveSection(name);
    if (events.empty())
        return;
    store.Set(name, kDelayFlagKey, delayFlag);
    store.Set(name, kLoopKey, loopText);
    store.Set(name, kItemCountKey, std::to_string(events.size()));
    for (std::size_t i = 0; i < events.size(); ++i) {
        store.Set(name, ItemKey(i), events[i]);
    }
}

bool IsWritableMacro(const StoredMacro& macro) {
    return !HasLineBreak(macro.delayFlag) && !HasLineBreak(macro.loopText) &&
           std::ranges::none_of(macro.events, HasLineBreak);
}

}  // namespace

std::vector<std::string> ReadMacroNames(const IniFile& store) {
    const std::size_t count = StatedCount(store, kMacroNameSection, kCountKey);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(store.Get(kMacroNameSection, std::to_string(i)));
    }
    return names;
}

StoredMacro ReadStoredMacro(const IniFile& store, std::string_view name) {
    StoredMacro macro{store.Get(name, kDelayFlagKey), store.Get(name, kLoopKey), {}};
    const std::size_t count = StatedCount(store, name, kItemCountKey);
    macro.events.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        macro.events.push_back(store.Get(name, ItemKey(i)));
    }
    return macro;
}

std::vector<NamedMacro> ReadMacros(const IniFile& store, std::size_t limit) {
    std::vector<std::string> names = ReadMacroNames(store);
    names.resize(std::min(names.size(), limit));
    std::vector<NamedMacro> macros;
    macros.reserve(names.size());
    for (std::string& name : names) {
        StoredMacro macro = ReadStoredMacro(store, name);
        macros.push_back({std::move(name), std::move(macro)});
    }
    return macros;
}

MacroStore::MacroStore(std::filesystem::path path, Sleeper sleeper)
    : path_(std::move(path)), sleeper_(std::move(sleeper)) {}

bool MacroStore::Exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(path_, error);
}

std::vector<std::string> MacroStore::ReadNames() const {
    return ReadMacroNames(IniFile::Open(path_));
}

StoredMacro MacroStore::ReadMacro(std::string_view name) const {
    return ReadStoredMacro(IniFile::Open(path_), name);
}

int MacroStore::ReadItemCount(std::string_view name) const {
    return ParseLeadingInt(IniFile::Open(path_).Get(name, kItemCountKey));
}

std::vector<NamedMacro> MacroStore::ReadMacros(std::size_t limit) const {
    return vorlak::ReadMacros(IniFile::Open(path_), limit);
}

bool MacroStore::WriteNames(const std::vector<std::string>& names) {
    if (!std::ranges::all_of(names, IsListableName))
        return false;
    IniFile store = IniFile::Open(path_);
    SetNames(store, names);
    return store.Save();
}

bool MacroStore::WriteMacro(std::string_view name, int delayFlag, std::string_view loopText,
                            const std::vector<std::string>& events) {
    if (events.empty())
        return DeleteMacro(name);
    if (!IsStorableMacroName(name) || HasLineBreak(loopText) ||
        std::ranges::any_of(events, HasLineBreak)) {
        return false;
    }
    IniFile store = IniFile::Open(path_);
    SetMacro(store, name, std::to_string(delayFlag), loopText, events);
    const bool saved = store.Save();
    sleeper_(kWritePause);
    return saved;
}

bool MacroStore::WriteLoopCount(std::string_view name, int loopCount) {
    if (!IsStorableMacroName(name))
        return false;
    IniFile store = IniFile::Open(path_);
    store.Set(name, kLoopKey, std::to_string(loopCount));
    return store.Save();
}

bool MacroStore::Write(const MacroStoreEdit& edit) {
    if (std::ranges::any_of(edit.names, HasLineBreak) ||
        (edit.macro && !IsWritableMacro(edit.macro->macro))) {
        return false;
    }
    IniFile store = IniFile::Open(path_);
    SetNames(store, edit.names);
    if (IsStorableMacroName(edit.removed))
        store.RemoveSection(edit.removed);
    const bool writesEvents = edit.macro && IsStorableMacroName(edit.macro->name);
    if (writesEvents) {
        const StoredMacro& macro = edit.macro->macro;
        SetMacro(store, edit.macro->name, macro.delayFlag, macro.loopText, macro.events);
    }
    const bool saved = store.Save();
    if (writesEvents && !edit.macro->macro.events.empty())
        sleeper_(kWritePause);
    return saved;
}

bool MacroStore::DeleteMacro(std::string_view name) {
    if (!IsStorableMacroName(name))
        return false;
    return DeleteIniSection(path_, name);
}

}  // namespace vorlak
