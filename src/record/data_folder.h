// SPDX-License-Identifier: GPL-3.0-or-later
// Where the data files live: a folder given on the command line or in the environment, else
// the caller's fallback (see install_folders.h for how it is chosen).
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace vorlak {

// The folder of the executable, ending with the path separator.
std::filesystem::path ComputeProgramFolder(const std::filesystem::path& executablePath);

class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(std::filesystem::path folder);

    // The folder chosen for a run: --data-dir when given, else VORLAK_DATA_DIR when set
    // and not empty, else the fallback folder.
    static DataFolder Select(const std::optional<std::filesystem::path>& commandLineFolder,
                             const char* environmentValue,
                             const std::filesystem::path& fallbackFolder);

    const std::filesystem::path& Folder() const { return folder_; }
    // The folder plus the file name; nothing else of the path is replaced.
    std::filesystem::path ResolveDataPath(std::string_view fileName) const;

private:
    std::filesystem::path folder_;
};

}  // namespace vorlak
