// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/install_folders.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

#include "common/diagnostics.h"
#include "profiles/default_data_files.h"

namespace fs = std::filesystem;

namespace vorlak {
namespace {

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

constexpr std::string_view kProbePrefix = ".vorlak-write-check";

// A probe name no other run uses at the same time.
std::string ProbeName() {
    static std::atomic<unsigned> counter = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::string(kProbePrefix) + "-" + std::to_string(std::random_device{}()) + "-" +
           std::to_string(now) + "-" + std::to_string(counter++);
}

// Removes the probes a run that was killed left (an empty folder each; a probe of a run that
// is checking now only makes its own removal a no-op, its answer is already given).
void ClearStaleProbes(const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().starts_with(kProbePrefix)) {
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
        }
    }
}

// Whether the process may create entries in folder. The file system has the last word (a
// read-only mount, access lists), so a probe entry is made and removed.
std::error_code WriteProbe(const fs::path& folder) {
    const fs::path probe = folder / ProbeName();
    std::error_code error;
    if (!fs::create_directory(probe, error) && !error)
        error = std::make_error_code(std::errc::file_exists);
    std::error_code ignored;
    fs::remove(probe, ignored);
    if (!error)
        ClearStaleProbes(folder);
    return error;
}

bool IsPortable(const fs::path& programFolder) {
    std::error_code error;
    return fs::is_regular_file(programFolder / kPortableMarkerFile, error) &&
           !WriteProbe(programFolder);
}

// Copies the files of defaults that folder lacks; a missing defaults folder copies nothing.
void CopyMissingDefaults(const fs::path& defaults, const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(defaults, error)) {
        if (!entry.is_regular_file(error))
            continue;
        fs::copy_file(entry.path(), folder / entry.path().filename(),
                      fs::copy_options::skip_existing, error);
        if (error)
            Diagnostic("Cannot copy %s: %s\n", entry.path().c_str(), error.message().c_str());
    }
}

}  // namespace

fs::path UserConfigHome(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute())
        return xdgConfigHome;
    if (home != nullptr && fs::path(home).is_absolute())
        return fs::path(home) / ".config";
    return {};
}

fs::path UserDataFolder(const char* xdgConfigHome, const char* home) {
    const fs::path config = UserConfigHome(xdgConfigHome, home);
    return config.empty() ? config : config / "vorlak";
}

RunFolders ChooseRunFolders(const std::optional<fs::path>& commandLineFolder,
                            const fs::path& programFolder) {
    const fs::path shared = (programFolder / kSharedFromProgram).lexically_normal();
    RunFolders folders;
    const char* environment = std::getenv("VORLAK_DATA_DIR");
    const bool given = (commandLineFolder && !commandLineFolder->empty()) ||
                       (environment != nullptr && *environment != '\0');
    const bool portable = !given && IsPortable(programFolder);
    folders.dataKind = given ? "given" : portable ? "portable" : "user";
    folders.data = DataFolder::Select(
        commandLineFolder, environment,
        portable ? programFolder
                 : UserDataFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    const bool skinsBeside =
        IsFolder(programFolder / kSkinFolderName) || !IsFolder(shared / kSkinFolderName);
    folders.skinRoot = skinsBeside ? programFolder : shared;
    folders.defaults = shared / kDefaultsFolderName;
    Diagnostic("Data folder (%s): %s\n", folders.dataKind, folders.data.Folder().c_str());
    Diagnostic("Skins: %s\n", (folders.skinRoot / kSkinFolderName).c_str());
    Diagnostic("Default data files: %s\n", folders.defaults.c_str());
    return folders;
}

std::string DataFolderProblem::Describe() const {
    static constexpr const char* kWhat[] = {
        "cannot be created", "cannot be filled with the default data files", "cannot be read",
        "cannot be written", "cannot be used"};
    return "the data folder " + folder.string() + " " + kWhat[static_cast<int>(step)] + ": " +
           reason;
}

DataFolderReady PrepareDataFolder(const fs::path& folder, const fs::path& defaultsFolder,
                                  DataFolderUse use) {
    using Step = DataFolderProblem::Step;
    if (folder.empty())
        return {DataFolderProblem{Step::Create, folder, "no home folder is set"}};
    std::error_code error;
    const bool existed = fs::exists(folder, error);
    if (!existed && use == DataFolderUse::Read)
        return {DataFolderProblem{Step::Missing, folder, "it does not exist"}};
    DataFolderReady ready;
    ready.created = fs::create_directories(folder, error);
    if (error)
        return {DataFolderProblem{Step::Create, folder, error.message()}};
    const bool empty = fs::is_empty(folder, error);
    if (error)
        return {DataFolderProblem{Step::Read, folder, error.message()}, ready.created};
    if (use == DataFolderUse::Read)
        return ready;
    if (const std::error_code write = WriteProbe(folder))
        return {DataFolderProblem{Step::Write, folder, write.message()}, ready.created};
    if (empty) {
        Diagnostic("Seeding %s with the default data files\n", folder.c_str());
        CopyMissingDefaults(defaultsFolder, folder);
        if (!WriteDefaultDataFiles(folder))
            ready.problem =
                DataFolderProblem{Step::Seed, folder, "a default data file could not be written"};
    }
    return ready;
}

}  // namespace vorlak
