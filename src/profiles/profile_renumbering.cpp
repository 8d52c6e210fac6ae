// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_renumbering.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <vector>

#include "common/atomic_file.h"
#include "common/diagnostics.h"
#include "common/durable_sync.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_files.h"
#include "record/ini_file.h"

namespace fs = std::filesystem;

namespace vorlak {
namespace {

constexpr std::string_view kStagedSuffix = ".renumber";
constexpr std::size_t kMaxJournalBytes = 4096;

fs::path Staged(const fs::path& target) {
    fs::path staged = target;
    staged += kStagedSuffix;
    return staged;
}

// The only names a journal may make us rename over: the list and the numbered files.
std::vector<std::string> ProfileFileNames() {
    std::vector<std::string> names{std::string(kProfileListFile)};
    for (int slot = 0; slot < kProfileSlots; ++slot) {
        names.push_back(RecordFileName(slot));
        names.push_back(SettingsFileName(slot));
    }
    return names;
}

bool IsProfileFileName(std::string_view name) {
    const std::vector<std::string> names = ProfileFileNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Every data file a write or a commit stages a file beside.
std::vector<std::string> DataFileNames() {
    std::vector<std::string> names = ProfileFileNames();
    for (std::string_view name : {kDefaultRecordFile, kMacroStoreFile, kProfileJournalFile})
        names.emplace_back(name);
    return names;
}

// One file of the new state: a copy of a source file, or given bytes.
struct StagedFile {
    std::string target;
    std::optional<fs::path> source;
    std::string bytes;
};

bool IsRegular(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

class Commit {
public:
    Commit(const fs::path& folder, IniFile listFile) : folder_(folder) {
        // A new profile's settings: those of "str.ini" without the list.
        listFile.RemoveSection(kProfileSection);
        defaultSettings_ = listFile.Serialize();
        const fs::path defaults = folder / kDefaultRecordFile;
        if (IsRegular(defaults)) {
            defaultRecord_ = defaults;
        } else {
            defaultRecordBytes_ = RecordFileBytes(DefaultRecord());
        }
    }

    // Slot takes the files of stored profile `from`, or the defaults where that profile has
    // no regular file.
    void TakeProfile(int slot, int from) {
        const auto source = [&](const std::string& name) -> std::optional<fs::path> {
            if (from == ProfileSource::kDefaults || !IsRegular(folder_ / name))
                return std::nullopt;
            return folder_ / name;
        };
        const std::string record = RecordFileName(slot);
        const std::string settings = SettingsFileName(slot);
        if (auto stored = source(RecordFileName(from))) {
            files_.push_back({record, stored, {}});
        } else {
            files_.push_back({record, defaultRecord_, defaultRecordBytes_});
        }
        files_.push_back({settings, source(SettingsFileName(from)), defaultSettings_});
    }

    void TakeBytes(std::string target, std::string bytes) {
        files_.push_back({std::move(target), std::nullopt, std::move(bytes)});
    }

    // Writes every file beside its target; on failure removes them again.
    bool Stage(std::string& error) {
        for (const StagedFile& file : files_) {
            const fs::path target = folder_ / file.target;
            std::error_code ec;
            if (fs::exists(target, ec) && !IsRegular(target)) {
                error = target.string() + ": not a regular file";
                return Unstage();
            }
            // Nothing reads a staged file before the journal names it, so it is written in
            // place; the journal's own atomic write flushes the folder with the names.
            if (file.source) {
                if (fs::copy_file(*file.source, Staged(target),
                                  fs::copy_options::overwrite_existing, ec))
                    SyncToDisk(Staged(target), ec);
            } else {
                WriteAndFlush(Staged(target), file.bytes, ec);
            }
            if (ec) {
                error = Staged(target).string() + ": " + ec.message();
                return Unstage();
            }
        }
        return true;
    }

    // The commit point: the journal names every staged file.
    bool WriteJournal(std::string& error) {
        std::string journal;
        for (const StagedFile& file : files_)
            journal += file.target + "\n";
        std::error_code ec;
        if (!ReplaceFileAtomically(folder_ / kProfileJournalFile, journal, ec)) {
            error = (folder_ / kProfileJournalFile).string() + ": " + ec.message();
            return Unstage();
        }
        return true;
    }

    std::vector<std::string> Targets() const {
        std::vector<std::string> names;
        for (const StagedFile& file : files_)
            names.push_back(file.target);
        return names;
    }

private:
    // Removes the staged files this commit wrote (a folder in the way is not its own).
    bool Unstage() {
        std::error_code ec;
        for (const StagedFile& file : files_) {
            if (IsRegular(Staged(folder_ / file.target)))
                fs::remove(Staged(folder_ / file.target), ec);
        }
        return false;
    }

    fs::path folder_;
    std::string defaultSettings_;
    std::optional<fs::path> defaultRecord_;
    std::string defaultRecordBytes_;
    std::vector<StagedFile> files_;
};

// Renames each staged file over its target (one already renamed is done), then removes the
// journal. False, with the journal kept for the next start, when a rename fails.
bool FinishCommit(const fs::path& folder, const std::vector<std::string>& targets,
                  std::string& error) {
    for (const std::string& name : targets) {
        const fs::path target = folder / name;
        std::error_code ec;
        if (!fs::exists(Staged(target), ec))
            continue;
        fs::rename(Staged(target), target, ec);
        if (ec) {
            error = target.string() + ": " + ec.message();
            Diagnostic("Profile commit stopped at %s\n", error.c_str());
            return false;
        }
    }
    // The renames reach the disk before the journal goes.
    std::error_code ec;
    SyncToDisk(folder, ec);
    fs::remove(folder / kProfileJournalFile, ec);
    return true;
}

}  // namespace

RenumberingPlan PlanRenumbering(const ProfileList& list) {
    RenumberingPlan plan{};
    std::array<bool, kProfileSlots> listed{};
    const int count = list.Count();
    for (int i = 0; i < count; ++i) {
        const ProfileSource& source = list.Entries()[static_cast<std::size_t>(i)].source;
        plan[static_cast<std::size_t>(i)] = source.slot;
        if (!source.copy && source.slot >= 0 && source.slot < kProfileSlots)
            listed[static_cast<std::size_t>(source.slot)] = true;
    }
    // The numbers past the list take the files no entry holds, lowest number first: those of
    // deleted entries (they lay inside the list) before those that already lay past it.
    std::vector<int> unlisted;
    for (int k = 0; k < kProfileSlots; ++k) {
        if (!listed[static_cast<std::size_t>(k)])
            unlisted.push_back(k);
    }
    for (int j = count; j < kProfileSlots; ++j) {
        const auto rank = static_cast<std::size_t>(j - count);
        plan[static_cast<std::size_t>(j)] =
            rank < unlisted.size() ? unlisted[rank] : ProfileSource::kDefaults;
    }
    return plan;
}

CommitResult CommitProfileList(const fs::path& folder, const ProfileList& list, int current) {
    const fs::path listPath = folder / kProfileListFile;
    std::error_code ec;
    if (!fs::exists(listPath, ec))
        return {true, false, {}};
    CommitResult result;
    if (fs::exists(folder / kProfileJournalFile, ec)) {
        result.error = (folder / kProfileJournalFile).string() +
                       ": a renumbering of the profiles is unfinished";
        return result;
    }
    IniFile listFile = IniFile::Open(listPath);
    if (const std::error_code unread = listFile.ReadError()) {
        result.error = listPath.string() + ": " + unread.message();
        return result;
    }
    Commit commit(folder, listFile);
    const RenumberingPlan plan = PlanRenumbering(list);
    for (int slot = 0; slot < kProfileSlots; ++slot) {
        if (plan[static_cast<std::size_t>(slot)] != slot)
            commit.TakeProfile(slot, plan[static_cast<std::size_t>(slot)]);
    }
    list.WriteTo(listFile, current);
    commit.TakeBytes(std::string(kProfileListFile), listFile.Serialize());
    if (commit.Stage(result.error) && commit.WriteJournal(result.error)) {
        result.ok = FinishCommit(folder, commit.Targets(), result.error);
        result.unfinished = !result.ok;
    }
    if (!result.ok)
        Diagnostic("Profile list not committed: %s\n", result.error.c_str());
    return result;
}

RecoveryResult FinishProfileCommit(const fs::path& folder) {
    const fs::path journalPath = folder / kProfileJournalFile;
    std::error_code ec;
    if (!fs::exists(journalPath, ec))
        return {};
    const std::optional<std::string> journal = ReadFileBytes(journalPath, kMaxJournalBytes);
    if (!journal)
        return {RecoveryResult::State::Unfinished, journalPath.string() + ": cannot be read"};
    std::vector<std::string> targets;
    std::istringstream lines(*journal);
    for (std::string name; std::getline(lines, name);) {
        if (IsProfileFileName(name))
            targets.push_back(name);
    }
    RecoveryResult result{RecoveryResult::State::Finished, {}};
    if (!FinishCommit(folder, targets, result.error) || fs::exists(journalPath, ec)) {
        result.state = RecoveryResult::State::Unfinished;
        if (result.error.empty())
            result.error = journalPath.string() + ": cannot be removed";
    }
    return result;
}

RecoveryResult RecoverProfileCommit(const fs::path& folder) {
    const RecoveryResult result = FinishProfileCommit(folder);
    if (result.state == RecoveryResult::State::Unfinished)
        return result;
    for (const std::string& name : DataFileNames()) {
        for (std::string_view suffix : {kStagedSuffix, std::string_view(".vorlak-new")}) {
            const fs::path staged = folder / (name + std::string(suffix));
            if (IsRegular(staged)) {
                std::error_code ec;
                fs::remove(staged, ec);
                Diagnostic("Removed the leftover %s\n", staged.c_str());
            }
        }
    }
    return result;
}

}  // namespace vorlak
