#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace vorlak {

std::filesystem::path InstanceLock::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0')
        return runtime;
    // Shared by every user there: the name carries the user id.
    return std::filesystem::temp_directory_path() / ("vorlak-" + std::to_string(getuid()));
}

InstanceLock::InstanceLock(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::filesystem::path path = folder / kInstanceLockName;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        close(fd_);
}

}  // namespace vorlak
