// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads with a size bound and atomic whole-file replacement.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlak {

// Reads at most maxBytes bytes of a regular file. Nothing for a missing file, a
// directory or a file that cannot be opened.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// Writes bytes to a temporary file in the same folder, flushes it and renames it
// over path, so readers see either the old or the new file, never a part.
// Returns false and sets error when anything fails; the old file then stays.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::error_code& error);

}  // namespace vorlak
