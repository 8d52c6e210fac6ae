// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/diagnostics.h"

namespace vorlak {
namespace {

// The folder must be a real folder of this user that nobody else may write: in a shared
// temporary folder another user could otherwise hold or plant the lock.
bool IsOwnPrivateFolder(const std::filesystem::path& folder) {
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::filesystem::path InstanceLock::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return runtime;
    return std::filesystem::temp_directory_path() / ("vorlak-" + std::to_string(getuid()));
}

InstanceLock::InstanceLock(const std::filesystem::path& folder) {
    mkdir(folder.c_str(), 0700);
    if (!IsOwnPrivateFolder(folder)) {
        Diagnostic("Instance lock folder is not private to this user: %s\n", folder.c_str());
        return;
    }
    const std::filesystem::path path = folder / kInstanceLockName;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        Diagnostic("Instance lock cannot be made: %s: %s\n", path.c_str(), std::strerror(errno));
        return;
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Taken;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        close(fd_);
}

}  // namespace vorlak
