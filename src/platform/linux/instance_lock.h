// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule: a lock file that one process at a time holds. The kernel
// releases it when the process ends, also when it dies.
#pragma once

#include <filesystem>

namespace vorlak {

inline constexpr const char* kInstanceLockName = "Vorlak_Mutex";

class InstanceLock {
public:
    enum class State {
        Taken,          // this process holds it
        HeldElsewhere,  // another process holds it
        Unavailable,    // no lock file could be made (the folder is not ours, or unwritable)
    };

    // Tries to take the lock file in folder.
    explicit InstanceLock(const std::filesystem::path& folder = DefaultFolder());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State Status() const { return state_; }
    // $XDG_RUNTIME_DIR, or a folder of this user's own in the temporary folder.
    static std::filesystem::path DefaultFolder();

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

}  // namespace vorlak
