// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_list.h"

#include <algorithm>

#include "macro/macro_event.h"
#include "record/ini_file.h"

namespace vorlak {
namespace {

std::string ItemKey(int index) {
    return "Item" + std::to_string(index);
}

std::size_t CodePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

bool IsStorableProfileName(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos &&
           CodePoints(name) <= IniFile::kMaxValueLength;
}

ProfileList ProfileList::Read(const IniFile& listFile) {
    ProfileList list;
    const int count = ParseLeadingInt(listFile.Get(kProfileSection, "ItemCount"));
    if (count < 1 || count > kMaxEntries)
        return list;
    for (int i = 0; i < count; ++i)
        list.entries_.push_back({listFile.Get(kProfileSection, ItemKey(i)), {i, false}});
    return list;
}

const std::string& ProfileList::Name(int index) const {
    return entries_.at(static_cast<std::size_t>(index)).name;
}

bool ProfileList::Taken(std::string_view name) const {
    return std::ranges::any_of(entries_,
                               [name](const ProfileEntry& entry) { return entry.name == name; });
}

int ProfileList::AddNew(std::string_view baseWord) {
    const int count = Count();
    if (count >= kMaxEntries)
        return -1;
    std::string stem = std::string(baseWord) + " ";
    // One past the largest int stays a number rather than overflowing.
    long long number = 1;
    if (count > 0) {
        const std::string& last = entries_.back().name;
        const std::size_t space = last.find(' ');
        if (space != std::string::npos) {
            number = ParseLeadingInt(std::string_view(last).substr(space + 1)) + 1LL;
        } else {
            stem = last + " ";
            number = count;
        }
    }
    entries_.push_back({stem + std::to_string(number), {ProfileSource::kDefaults, false}});
    return count;
}

bool ProfileList::Delete(int index) {
    if (Count() <= 1 || !Contains(index))
        return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

bool ProfileList::Copy(int index, std::string_view copyWord) {
    if (Count() >= kMaxEntries || !Contains(index))
        return false;
    const ProfileEntry& source = entries_[static_cast<std::size_t>(index)];
    ProfileSource data = source.source;
    data.copy = data.slot != ProfileSource::kDefaults;
    const std::string name = std::string(copyWord) + " " + source.name;
    std::string free = name;
    for (int number = 2; Taken(free); ++number)
        free = name + " " + std::to_string(number);
    entries_.push_back({std::move(free), data});
    return true;
}

bool ProfileList::Rename(int index, std::string_view name) {
    if (!Contains(index) || !IsStorableProfileName(name))
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (i != index && Name(i) == name)
            return false;
    }
    entries_[static_cast<std::size_t>(index)].name = name;
    return true;
}

int ProfileList::IndexOfStored(int slot) const {
    for (int i = 0; i < Count(); ++i) {
        const ProfileSource& source = entries_[static_cast<std::size_t>(i)].source;
        if (source.slot == slot && !source.copy)
            return i;
    }
    return -1;
}

void ProfileList::WriteTo(IniFile& listFile, int current) const {
    listFile.RemoveSection(kProfileSection);
    const int shown = Contains(current) ? current : 0;
    listFile.Set(kProfileSection, "CurProfileName", Contains(shown) ? Name(shown) : "");
    if (entries_.empty())
        return;
    listFile.Set(kProfileSection, "CurProfileItem", std::to_string(shown));
    listFile.Set(kProfileSection, "ItemCount", std::to_string(Count()));
    for (int i = 0; i < Count(); ++i)
        listFile.Set(kProfileSection, ItemKey(i), Name(i));
}

int CurrentEntryOf(const IniFile& listFile, int count) {
    const std::string name = listFile.Get(kProfileSection, "CurProfileName");
    const std::string item = listFile.Get(kProfileSection, "CurProfileItem");
    const bool digits = !item.empty() && item.size() < 3 &&
                        item.find_first_not_of("0123456789") == std::string::npos;
    const int numbered = digits ? ParseLeadingInt(item) : -1;
    if (numbered >= 0 && numbered < count &&
        listFile.Get(kProfileSection, ItemKey(numbered)) == name)
        return numbered;
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (listFile.Get(kProfileSection, ItemKey(i)) == name)
            current = i;
    }
    return current;
}

}  // namespace vorlak
