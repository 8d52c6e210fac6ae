// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_writes.h"

#include <utility>

#include "common/atomic_file.h"
#include "common/write_queue.h"

namespace vorlak {
namespace {

std::error_code ReplaceFile(const std::filesystem::path& path, const std::string& bytes) {
    std::error_code error;
    ReplaceFileAtomically(path, bytes, error);
    return error;
}

}  // namespace

void ImmediateFileWrites::Replace(std::filesystem::path path, std::string bytes, Done done) {
    done(ReplaceFile(path, bytes));
}

void QueuedFileWrites::Replace(std::filesystem::path path, std::string bytes, Done done) {
    queue_.Push([path = std::move(path), bytes = std::move(bytes), done = std::move(done),
                 post = post_, alive = alive_] {
        const std::error_code error = ReplaceFile(path, bytes);
        post([done, alive, error] {
            if (*alive)
                done(error);
        });
    });
}

void QueuedFileWrites::WhenDone(std::function<void()> then) {
    queue_.Push([then = std::move(then), post = post_, alive = alive_] {
        post([then, alive] {
            if (*alive)
                then();
        });
    });
}

}  // namespace vorlak
