// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/executable_path.h"

#include <system_error>

namespace vorlak {

std::filesystem::path CurrentExecutablePath() {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

}  // namespace vorlak
