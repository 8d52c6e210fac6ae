// The single-instance rule: a lock file that one process at a time holds. The kernel
// releases it when the process ends, also when it dies.
#pragma once

#include <filesystem>
#include <string>

namespace vorlak {

inline constexpr const char* kInstanceLockName = "Vorlak_Mutex";

class InstanceLock {
public:
    // Tries to take the lock file in folder. Taken() tells whether this process holds it.
    explicit InstanceLock(const std::filesystem::path& folder = DefaultFolder());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another process holds the lock, and when it could not be made at all.
    bool Taken() const { return fd_ >= 0; }
    // $XDG_RUNTIME_DIR, or the temporary folder when that is not set.
    static std::filesystem::path DefaultFolder();

private:
    int fd_ = -1;
};

}  // namespace vorlak
