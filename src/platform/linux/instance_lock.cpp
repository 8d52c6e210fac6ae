// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

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

// What the holder wrote into the lock file.
std::string ReadHolder(int fd) {
    char text[256];
    const ssize_t count = pread(fd, text, sizeof text - 1, 0);
    return count > 0 ? std::string(text, static_cast<std::size_t>(count)) : std::string();
}

void WriteHolder(int fd, std::string_view holder) {
    if (ftruncate(fd, 0) != 0)
        return;
    [[maybe_unused]] const ssize_t written = pwrite(fd, holder.data(), holder.size(), 0);
}

}  // namespace

std::string DataFolderLockName(const std::filesystem::path& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return {};
    return "Vorlak_Folder_" + std::to_string(info.st_dev) + "_" + std::to_string(info.st_ino);
}

std::filesystem::path InstanceLock::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return runtime;
    return std::filesystem::temp_directory_path() / ("vorlak-" + std::to_string(getuid()));
}

InstanceLock::InstanceLock(const std::filesystem::path& folder, std::string_view name,
                           std::string_view holder, std::chrono::milliseconds wait) {
    mkdir(folder.c_str(), 0700);
    if (!IsOwnPrivateFolder(folder)) {
        Diagnostic("Instance lock folder is not private to this user: %s\n", folder.c_str());
        return;
    }
    const std::filesystem::path path = folder / name;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        Diagnostic("Instance lock cannot be made: %s: %s\n", path.c_str(), std::strerror(errno));
        return;
    }
    // Polled rather than blocking, so that the wait has an end without a signal.
    const auto end = std::chrono::steady_clock::now() + wait;
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= end) {
            state_ = error == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
            holder_ = ReadHolder(fd_);
            close(fd_);
            fd_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    state_ = State::Taken;
    WriteHolder(fd_, holder);
}

// The name goes with the lock: a later holder is never named by an earlier one's text.
InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        WriteHolder(fd_, {});
        close(fd_);
    }
}

}  // namespace vorlak
