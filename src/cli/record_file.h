// SPDX-License-Identifier: GPL-3.0-or-later
// A profile record file the user names (show FILE, profile import).
#pragma once

#include <filesystem>

#include "record/mouse_config.h"

namespace vorlak {

// Reads a record file of any name as the program reads profile records (the flag byte, then
// the record). A data-file error says why a file is not one: missing, a folder, not readable
// and the system's reason, or its size.
MouseConfig ReadRecordFile(const std::filesystem::path& path);

}  // namespace vorlak
