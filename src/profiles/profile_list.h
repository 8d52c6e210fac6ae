// SPDX-License-Identifier: GPL-3.0-or-later
// The profile list: the names of the "Profile" section of "str.ini", in list order, and the
// edits the profile manager and vorlakctl make to it (New, Delete, Copy, Rename). Entry i
// names the profile stored in the files numbered i; each entry also remembers where its data
// comes from, so that committing the list can move the files after their names
// (profile_renumbering.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlak {

class IniFile;

inline constexpr std::string_view kProfileSection = "Profile";

// Where an entry's profile data comes from when the list is committed.
struct ProfileSource {
    // The stored profile (its files' number when the list was read); kDefaults for none.
    int slot = kDefaults;
    // True for a copy of that profile's files; false for the files themselves.
    bool copy = false;
    static constexpr int kDefaults = -1;
    bool operator==(const ProfileSource&) const = default;
};

struct ProfileEntry {
    std::string name;
    ProfileSource source;
    bool operator==(const ProfileEntry&) const = default;
};

// A name the list file reads back as written: no line break, at most as many characters
// as a read returns. Blanks, "=", "[" and "]" are kept (the value is quoted where needed).
bool IsStorableProfileName(std::string_view name);

class ProfileList {
public:
    static constexpr int kMaxEntries = 6;

    ProfileList() = default;
    explicit ProfileList(std::vector<ProfileEntry> entries) : entries_(std::move(entries)) {}

    // The names "Item0" … of the section when "ItemCount" is 1..6 (a missing name reads as
    // ""); no entries for any other count. Entry i holds stored profile i.
    static ProfileList Read(const IniFile& listFile);

    const std::vector<ProfileEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Name(int index) const;
    bool Contains(int index) const { return index >= 0 && index < Count(); }

    // New: none at six entries (returns -1, the caller shows the limit message). Otherwise
    // appends base + " 1" to an empty list; else, when the last name has a space, base and
    // one more than the number after its first space (0 when none); else the last name and
    // the count. The new entry holds the defaults. Returns its index.
    int AddNew(std::string_view baseWord);
    // Removes the entry unless it is the last one left. The others move up.
    bool Delete(int index);
    // Appends copyWord + " " + the entry's name, holding a copy of its data; nothing at six
    // entries. When that name is taken, " 2", " 3" … follow it until the name is free.
    bool Copy(int index, std::string_view copyWord);
    // A name equal (exactly) to another entry's, or one the file cannot hold, is refused and
    // the old name stays.
    bool Rename(int index, std::string_view name);

    // The entry that holds the stored profile's own files, or -1 (deleted, or never listed).
    int IndexOfStored(int slot) const;

    // Replaces the section: removed, then "CurProfileName" = the name of entry current
    // (entry 0 when current is not an entry; "" for an empty list), "CurProfileItem" = its
    // number, "ItemCount" and the names.
    void WriteTo(IniFile& listFile, int current) const;

private:
    bool Taken(std::string_view name) const;

    std::vector<ProfileEntry> entries_;
};

// The current entry of a list file whose first count names are read: the one "CurProfileItem"
// numbers when its name is "CurProfileName" (the number decides, so two entries of one name
// cannot be confused); else, for files written without the number or edited by hand, the last
// entry named "CurProfileName"; -1 when none is.
int CurrentEntryOf(const IniFile& listFile, int count);

}  // namespace vorlak
