// SPDX-License-Identifier: GPL-3.0-or-later
// Flushing to the disk: what a file replacement needs so that a power loss cannot undo it.
// Declared here for the core, implemented by the platform.
#pragma once

#include <filesystem>
#include <system_error>

namespace vorlak {

// Writes the data of the file or folder at path through to the disk. For a folder this
// makes the names in it (a rename into it) durable. False with error set when it fails.
bool SyncToDisk(const std::filesystem::path& path, std::error_code& error);

}  // namespace vorlak
