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
// (which the programs run at start, before anything reads a profile) either the old list with the
// old files or the new list with the new files. A journal guarantees it, not the order of the
// renames: every changed file is first written whole beside its target ("<name>.renumber",
// sources untouched) and flushed to the disk, then the journal naming them is written atomically
// (the commit point), then each is renamed over its target and the journal removed. Recovery
// finishes the renames a journal names; staged files that no journal names are leftovers of a
// commit (or a file write) that never reached its commit point, and recovery removes them.
//
// While a journal is there the files are half renumbered: no profile is read or saved
// (profile_files.h), and no new commit stages anything until the journal is finished. One
// writer at a time: the programs hold the instance lock while they commit or recover.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "profiles/profile_list.h"

namespace vorlak {

inline constexpr int kProfileSlots = ProfileList::kMaxEntries;

// What profile number i holds after a commit: the files of stored profile `from` (i itself:
// unchanged), or the defaults (ProfileSource::kDefaults).
using RenumberingPlan = std::array<int, kProfileSlots>;
RenumberingPlan PlanRenumbering(const ProfileList& list);

struct [[nodiscard]] CommitResult {
    bool ok = false;
    // Not ok after the commit point: the journal stays and the files are half renumbered until
    // a recovery finishes them. Otherwise a failed commit changed nothing.
    bool unfinished = false;
    std::string error;  // which file and why, when not ok
};

// Renumbers the files of folder to list and writes the list with entry current as the current
// profile. Without "str.ini" nothing is written (ok). Refused, changing nothing, while a
// journal is there (finish it first: the list was read from half-renumbered files) and when
// "str.ini" cannot be read (its settings would be lost). When a file cannot be staged, nothing
// changes; the folder is as it was.
CommitResult CommitProfileList(const std::filesystem::path& folder, const ProfileList& list,
                               int current);

struct [[nodiscard]] RecoveryResult {
    enum class State {
        Clean,       // there was no journal
        Finished,    // a journal's renames were finished
        Unfinished,  // a journal is there and could not be finished (error says why)
    };
    State state = State::Clean;
    std::string error;  // which file and why, when Unfinished
};

// Finishes the renames a journal names, then removes it. Cheap when there is none.
RecoveryResult FinishProfileCommit(const std::filesystem::path& folder);

// A writer's first step on a folder: FinishProfileCommit, then, unless a journal stays, the
// staged files of the data files that no journal names ("<name>.renumber", "<name>.vorlak-new")
// are removed.
RecoveryResult RecoverProfileCommit(const std::filesystem::path& folder);

}  // namespace vorlak
