// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/durable_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vorlak {

bool SyncToDisk(const std::filesystem::path& path, std::error_code& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok)
        error = std::error_code(errno, std::generic_category());
    if (fd >= 0)
        ::close(fd);
    return ok;
}

}  // namespace vorlak
