// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads with a size bound and atomic whole-file replacement.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
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

// Writes bytes into path (created or truncated) and flushes it. Not atomic: for files that
// nothing reads until a later step names them. False with error set when a step fails.
bool WriteAndFlush(const std::filesystem::path& path, std::string_view bytes,
                   std::error_code& error);

// One file of a replacement of several; bytes must outlive the replacement.
struct FileReplacement {
    std::filesystem::path path;
    std::string_view bytes;
};

// What a replacement of several files did.
struct [[nodiscard]] ReplacementOutcome {
    std::size_t replaced = 0;      // files renamed into place, in the order given
    std::filesystem::path failed;  // the file whose step failed; empty when all were replaced
    std::error_code error;         // the system's reason
    bool Whole(std::size_t count) const { return replaced == count && !error; }
};

// Replaces files together: each is written beside its target and flushed, then all are
// renamed in the order given and each folder is flushed once. A failure before the renames
// changes nothing (replaced is 0); a rename that fails leaves the files before it replaced and
// the others as they were. Each file stays whole, also after a power loss.
ReplacementOutcome ReplaceFilesTogether(std::span<const FileReplacement> files);

}  // namespace vorlak
