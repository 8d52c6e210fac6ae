// SPDX-License-Identifier: GPL-3.0-or-later
// Where the running program's file is, as the kernel tells it.
#pragma once

#include <filesystem>

namespace vorlak {

// The path of the running executable (empty when it cannot be found).
std::filesystem::path CurrentExecutablePath();

}  // namespace vorlak
