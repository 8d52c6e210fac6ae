// SPDX-License-Identifier: GPL-3.0-or-later
// What the profile manager's file operations tell the user when they change nothing: a refused
// import, an export that could not be written, a list that could not be committed. In the
// language of code.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "config/profile_files.h"

namespace vorlak {

// The file and why it was not imported; empty for an import that took place.
std::string ImportRefusalText(const ImportOutcome& outcome, std::string_view code);
std::string ExportFailureText(const std::filesystem::path& file, std::string_view code);
std::string CommitFailureText(std::string_view error, std::string_view code);

}  // namespace vorlak
