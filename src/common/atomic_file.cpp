// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

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

namespace {

// The file a replacement writes: a link is followed, so the file it names is replaced and the
// link stays.
std::filesystem::path Followed(const std::filesystem::path& target) {
    std::error_code ignored;
    return std::filesystem::is_symlink(target, ignored)
               ? std::filesystem::weakly_canonical(target, ignored)
               : target;
}

// One temporary name per target: a file left by a killed process is simply reused.
std::filesystem::path Temporary(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".vorlak-new";
    return temporary;
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.parent_path().empty() ? "." : path.parent_path();
}

// Writes and flushes the new bytes beside path; the new file keeps the permissions of the
// one it replaces.
bool Stage(const std::filesystem::path& path, std::string_view bytes, std::error_code& error) {
    if (!WriteAndFlush(Temporary(path), bytes, error))
        return false;
    std::error_code ignored;
    const auto status = std::filesystem::status(path, ignored);
    if (std::filesystem::exists(status))
        std::filesystem::permissions(Temporary(path), status.permissions(), ignored);
    return true;
}

}  // namespace

bool WriteAndFlush(const std::filesystem::path& path, std::string_view bytes,
                   std::error_code& error) {
    return WriteWhole(path, bytes, error) && SyncToDisk(path, error);
}

// The new bytes reach the disk before a name points at them, and the names after the renames,
// so that a power loss leaves each file old or new.
ReplacementOutcome ReplaceFilesTogether(std::span<const FileReplacement> files) {
    std::vector<std::filesystem::path> paths;
    for (const FileReplacement& file : files)
        paths.push_back(Followed(file.path));
    ReplacementOutcome outcome;
    std::size_t staged = 0;
    for (; staged < files.size(); ++staged) {
        if (!Stage(paths[staged], files[staged].bytes, outcome.error)) {
            outcome.failed = files[staged].path;
            break;
        }
    }
    if (staged == files.size()) {
        for (; outcome.replaced < files.size(); ++outcome.replaced) {
            const std::filesystem::path& path = paths[outcome.replaced];
            std::filesystem::rename(Temporary(path), path, outcome.error);
            if (outcome.error) {
                outcome.failed = files[outcome.replaced].path;
                break;
            }
        }
    }
    std::error_code ignored;
    std::vector<std::filesystem::path> folders;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i >= outcome.replaced && std::filesystem::is_regular_file(Temporary(paths[i]), ignored))
            std::filesystem::remove(Temporary(paths[i]), ignored);
        else if (std::find(folders.begin(), folders.end(), FolderOf(paths[i])) == folders.end())
            folders.push_back(FolderOf(paths[i]));
    }
    for (const std::filesystem::path& folder : folders)
        SyncToDisk(folder, ignored);
    return outcome;
}

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           std::error_code& error) {
    const FileReplacement file{target, bytes};
    const ReplacementOutcome outcome = ReplaceFilesTogether({&file, 1});
    error = outcome.error;
    return outcome.Whole(1);
}

}  // namespace vorlak
