// SPDX-License-Identifier: GPL-3.0-or-later
// What the profile files' operations tell the user, in the language of code: a refused import,
// an export that could not be written, a list that could not be committed, a renumbering left
// unfinished, a save that wrote only a part, a stored record brought into range.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/profile_files.h"
#include "profiles/profile_renumbering.h"

namespace vorlak {

// The file and why it was not imported; empty for an import that took place.
std::string ImportRefusalText(const ImportOutcome& outcome, std::string_view code);
std::string ExportFailureText(const ExportOutcome& outcome, std::string_view code);
// Whether the profiles stay as they were or are half renumbered, with the file and why.
std::string CommitFailureText(const CommitResult& result, std::string_view code);
// A renumbering that could not be finished (error: which file and why).
std::string UnfinishedRenumberingText(std::string_view error, std::string_view code);
// Which part of a save was not written and why; empty when both were.
std::string SaveProblemText(const ProfileSaveResult& result, std::string_view code);
// The fields of file that were brought into range, each with the value it held and the one
// used instead; empty when none was.
std::string RepairedFieldsText(const std::filesystem::path& file,
                               const std::vector<RecordField>& fields, std::string_view code);
// A field's name, e.g. "x-axis sensitivity", "function of Button 4".
std::string RecordFieldName(const RecordField& field, std::string_view code);

}  // namespace vorlak
