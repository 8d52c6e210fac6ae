// SPDX-License-Identifier: GPL-3.0-or-later
// A profile record file the user names (show FILE, profile import), read by the profile files'
// reader, with its refusals in words.
#pragma once

#include <filesystem>

#include "record/mouse_config.h"

namespace vorlak {

// Reads a record file of any name as an import reads it (ReadWholeRecord). A data-file error
// says why a file is not one: missing, a folder, not readable and the system's reason, not a
// regular file, or its size.
MouseConfig ReadRecordFile(const std::filesystem::path& path);

}  // namespace vorlak
