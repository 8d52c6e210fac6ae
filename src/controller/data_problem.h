// SPDX-License-Identifier: GPL-3.0-or-later
// Why the current profile could not be read, named for the user: the folder or file and the
// reason, in the user's language.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "profiles/profile_files.h"

namespace vorlak {

struct DataProblem {
    enum class Reason { Missing, NoAccess, ShortRecord, NoProfile };
    std::filesystem::path path;
    Reason reason;
};

// The first problem on the way to the current profile's record after a load: the data folder,
// the profile list, the record file. None when the record was read whole.
std::optional<DataProblem> FindDataProblem(const ProfileFiles& files);

// "<path> <reason>" and what the program does instead, in the language of code.
std::string DataProblemText(const DataProblem& problem, std::string_view code);

}  // namespace vorlak
