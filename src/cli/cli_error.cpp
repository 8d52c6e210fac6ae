// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_error.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace vorlak {

void ThrowUsage(std::string message) {
    throw CliError{kExitUsage, std::move(message)};
}

void ThrowDataFile(std::string message) {
    throw CliError{kExitDataFile, std::move(message)};
}

std::string SystemReason(int errorNumber) {
    return std::strerror(errorNumber);
}

std::string FileProblem(const std::filesystem::path& path, int access) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return "does not exist";
    if (std::filesystem::is_directory(status))
        return "is a folder";
    if (::access(path.c_str(), access) != 0)
        return SystemReason(errno);
    return {};
}

std::filesystem::path UserPath(std::string_view typed) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(typed), error);
    return error ? std::filesystem::path(typed) : path.lexically_normal();
}

}  // namespace vorlak
