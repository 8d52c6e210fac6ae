// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/data_folder.h"

namespace vorlak {

std::filesystem::path ComputeProgramFolder(const std::filesystem::path& executablePath) {
    std::filesystem::path folder = executablePath.parent_path();
    if (folder.empty())
        return {};
    folder /= "";  // keep the trailing separator
    return folder;
}

DataFolder::DataFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    if (!folder_.empty())
        folder_ /= "";
}

DataFolder DataFolder::Select(const std::optional<std::filesystem::path>& commandLineFolder,
                              const char* environmentValue,
                              const std::filesystem::path& fallbackFolder) {
    if (commandLineFolder && !commandLineFolder->empty())
        return DataFolder(*commandLineFolder);
    if (environmentValue != nullptr && *environmentValue != '\0') {
        return DataFolder(environmentValue);
    }
    return DataFolder(fallbackFolder);
}

std::filesystem::path DataFolder::ResolveDataPath(std::string_view fileName) const {
    return folder_ / std::filesystem::path(fileName);
}

}  // namespace vorlak
