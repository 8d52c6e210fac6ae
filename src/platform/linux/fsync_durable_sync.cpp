// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/fsync_durable_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vorlak {

std::error_code FsyncDurableSync::Sync(const std::filesystem::path& path) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::error_code error;
    if (fd < 0 || ::fsync(fd) != 0)
        error = std::error_code(errno, std::generic_category());
    if (fd >= 0)
        ::close(fd);
    return error;
}

void InstallFsyncDurableSync() {
    static const FsyncDurableSync sync;
    InstallDurableSync(&sync);
}

}  // namespace vorlak
