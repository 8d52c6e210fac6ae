// SPDX-License-Identifier: GPL-3.0-or-later
// The data files of a fresh installation: the default and the six profile records, the
// profile list and settings files with the default labels in every language, and an empty
// macro store.
#pragma once

#include <filesystem>

#include "record/mouse_config.h"

namespace vorlak {

// Writes every default data file that does not exist yet into folder (created if needed);
// existing files are never touched. False when a file could not be written.
bool WriteDefaultDataFiles(const std::filesystem::path& folder);

// The record of "config.bin" as a fresh installation writes it.
MouseConfig DefaultRecord();

}  // namespace vorlak
