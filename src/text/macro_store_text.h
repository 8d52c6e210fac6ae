// SPDX-License-Identifier: GPL-3.0-or-later
// What the macro manager says when a write of the macro store failed: the file and the
// system's reason, and what became of the edits.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlak {

// When the failure is told: after an edit, after OK (which then waits), or as the manager
// closes with Cancel.
enum class StoreFailureMoment { Edit, Ok, Cancel };

// In the language of the code (English for codes other than the four).
std::string MacroStoreFailureText(std::string_view code, const std::filesystem::path& store,
                                  std::string_view reason, StoreFailureMoment moment);

}  // namespace vorlak
