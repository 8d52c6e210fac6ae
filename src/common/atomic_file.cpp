// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/durable_sync.h"

namespace vorlak {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::error_code LastError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < maxBytes) {
        std::size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
        std::size_t got = std::fread(chunk, 1, want, file.get());
        bytes.append(chunk, got);
        if (got < want)
            break;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

namespace {

// Writes and closes the temporary file; false with error set when any step fails.
bool WriteWhole(const std::filesystem::path& temporary, std::string_view bytes,
                std::error_code& error) {
    errno = 0;
    FilePtr file(std::fopen(temporary.c_str(), "wb"));
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
              std::fflush(file.get()) == 0;
    ok = file && std::fclose(file.release()) == 0 && ok;
    if (!ok)
        error = LastError();
    return ok;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           std::error_code& error) {
    std::error_code ignored;
    // A link is followed, so the file it names is replaced and the link stays.
    const std::filesystem::path path = std::filesystem::is_symlink(target, ignored)
                                           ? std::filesystem::weakly_canonical(target, ignored)
                                           : target;
    // One temporary name per target: a file left by a killed process is simply reused.
    std::filesystem::path temporary = path;
    temporary += ".vorlak-new";
    if (WriteWhole(temporary, bytes, error) && SyncToDisk(temporary, error)) {
        // The new file keeps the permissions of the one it replaces.
        const auto status = std::filesystem::status(path, ignored);
        if (std::filesystem::exists(status)) {
            std::filesystem::permissions(temporary, status.permissions(), ignored);
        }
        // The new bytes reach the disk before the name points at them, and the name itself
        // after the rename, so that a power loss leaves the old file or the new one.
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            SyncToDisk(path.parent_path().empty() ? "." : path.parent_path(), ignored);
            return true;
        }
    }
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace vorlak
