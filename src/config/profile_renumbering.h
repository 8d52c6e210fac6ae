// SPDX-License-Identifier: GPL-3.0-or-later
// Committing an edited profile list: the record and settings files ("config%d.bin",
// "str%d.ini") are renumbered to the list's new order together with the list itself, so
// that every name opens its own profile. Entry i takes the files its source names: the
// stored profile's own files, a copy of them, or the defaults ("config.bin" and the settings
// of "str.ini" without the list). The numbers past the list take the files no entry holds
// any more, lowest number first: a deleted profile's files before those that already lay past
// the list. When new entries and copies need more numbers than are free, the files that come
// last are dropped. All six numbers keep a file.
//
// A kill (or a power loss) at any moment leaves every file whole, and after RecoverProfileCommit
// (which the programs run at start, before the profile is loaded) either the old list with the old
// files or the new list with the new files. A journal guarantees it, not the order of the renames:
// every changed file is first written whole beside its target ("<name>.renumber", sources
// untouched) and flushed to the disk, then the journal naming them is written atomically (the
// commit point), then each is renamed over its target and the journal removed. Recovery finishes
// the renames a journal names; without a journal the staged files are leftovers of a commit that
// never happened and are ignored (the next commit overwrites them). One writer at a time: the
// programs hold the instance lock while they commit or recover.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "config/profile_list.h"

namespace vorlak {

inline constexpr int kProfileSlots = ProfileList::kMaxEntries;
inline constexpr std::string_view kProfileJournalFile = "profiles.journal";

// What profile number i holds after a commit: the files of stored profile `from` (i itself:
// unchanged), or the defaults (ProfileSource::kDefaults).
using RenumberingPlan = std::array<int, kProfileSlots>;
RenumberingPlan PlanRenumbering(const ProfileList& list);

struct CommitResult {
    bool ok = false;
    std::string error;  // which file and why, when not ok
};

// Renumbers the files of folder to list and writes the list with the name of entry current
// as "CurProfileName". Without "str.ini" nothing is written (ok). When a file cannot be
// staged, nothing changes; the folder is as it was.
CommitResult CommitProfileList(const std::filesystem::path& folder, const ProfileList& list,
                               int current);

// Finishes a commit that was interrupted after its commit point. Cheap when there is none.
void RecoverProfileCommit(const std::filesystem::path& folder);

}  // namespace vorlak
