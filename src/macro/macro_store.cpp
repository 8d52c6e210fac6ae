// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <optional>
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

constexpr std::string_view kItemPrefix = "Item";

std::string ItemKey(std::size_t index) {
    return std::string(kItemPrefix) + std::to_string(index);
}

// The entry number of a key named prefix + a decimal number without a sign or leading
// zeros ("Item7", not "Item07"), compared case-insensitively as the store's reads do.
std::optional<std::size_t> EntryNumber(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 9 ||
        !std::ranges::equal(key.substr(0, prefix.size()), prefix, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        })) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(prefix.size());
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() ||
        (digits.size() > 1 && digits.front() == '0')) {
        return std::nullopt;
    }
    return number;
}

// The number of entries a read lists: as stated, but no further than the last entry key
// present (and at most kMaxStoreEntries).
std::size_t EntryCount(const IniFile& store, std::string_view section, std::string_view countKey,
                       std::string_view prefix) {
    const int stated = ParseLeadingInt(store.Get(section, countKey));
    const std::size_t limit =
        stated < 1 ? 0 : std::min(static_cast<std::size_t>(stated), kMaxStoreEntries);
    std::size_t count = 0;
    for (const std::string& key : store.KeyNames(section)) {
        const std::optional<std::size_t> number = EntryNumber(key, prefix);
        if (number && *number < limit)
            count = std::max(count, *number + 1);
    }
    return count;
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
              std::string_view loopText, const std::vector<std::string>& events,
              bool keepsEmptySection = false) {
    store.RemoveSection(name);
    if (events.empty() && !keepsEmptySection)
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

bool ApplyStoreEdit(IniFile& store, const MacroStoreEdit& edit) {
    if (std::ranges::any_of(edit.names, HasLineBreak) ||
        (edit.macro && !IsWritableMacro(edit.macro->macro))) {
        return false;
    }
    SetNames(store, edit.names);
    if (IsStorableMacroName(edit.removed))
        store.RemoveSection(edit.removed);
    if (edit.macro && IsStorableMacroName(edit.macro->name)) {
        const StoredMacro& macro = edit.macro->macro;
        SetMacro(store, edit.macro->name, macro.delayFlag, macro.loopText, macro.events,
                 edit.keepsEmptySection);
    }
    return true;
}

bool SetStoredLoopCount(IniFile& store, std::string_view name, int loopCount) {
    if (!IsStorableMacroName(name))
        return false;
    store.Set(name, kLoopKey, std::to_string(loopCount));
    return true;
}

std::vector<std::string> ReadMacroNames(const IniFile& store) {
    const std::size_t count = EntryCount(store, kMacroNameSection, kCountKey, "");
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(store.Get(kMacroNameSection, std::to_string(i)));
    }
    return names;
}

StoredMacro ReadStoredMacro(const IniFile& store, std::string_view name) {
    StoredMacro macro{store.Get(name, kDelayFlagKey),
                      store.Get(name, kLoopKey),
                      {},
                      ParseLeadingInt(store.Get(name, kItemCountKey)) >= 1};
    const std::size_t count = EntryCount(store, name, kItemCountKey, kItemPrefix);
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
    IniFile store = IniFile::Open(path_);
    return SetStoredLoopCount(store, name, loopCount) && store.Save();
}

bool MacroStore::Write(const MacroStoreEdit& edit) {
    IniFile store = IniFile::Open(path_);
    if (!ApplyStoreEdit(store, edit))
        return false;
    const bool saved = store.Save();
    if (edit.macro && IsStorableMacroName(edit.macro->name) && !edit.macro->macro.events.empty())
        sleeper_(kWritePause);
    return saved;
}

bool MacroStore::DeleteMacro(std::string_view name) {
    if (!IsStorableMacroName(name))
        return false;
    return DeleteIniSection(path_, name);
}

}  // namespace vorlak
