// SPDX-License-Identifier: GPL-3.0-or-later
// Lock files that one process at a time holds: the single-instance rule of the window, and the
// locks of what the window and vorlakctl share (a data folder, the mouse). The holder writes
// who it is into the file, so that a process that finds it held can name it. The kernel
// releases a lock when its process ends, also when it dies.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorlak {

// The window's own: one window at a time.
inline constexpr const char* kInstanceLockName = "Vorlak_Mutex";
// The mouse, while a program talks to it.
inline constexpr const char* kMouseLockName = "Vorlak_Mouse";

// The name of the lock of a data folder, by the folder's identity (device and inode), so
// that every path to one folder names one lock. Empty when the folder cannot be examined.
std::string DataFolderLockName(const std::filesystem::path& folder);

class InstanceLock {
public:
    enum class State {
        Taken,          // this process holds it
        HeldElsewhere,  // another process holds it
        Unavailable,    // no lock file could be made (the folder is not ours, or unwritable)
    };

    // Tries to take the lock file name in folder, for up to wait while another holds it;
    // once taken, the file says holder ("vorlakctl dpi (process 4711)").
    explicit InstanceLock(const std::filesystem::path& folder = DefaultFolder(),
                          std::string_view name = kInstanceLockName, std::string_view holder = {},
                          std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State Status() const { return state_; }
    // Who holds it when HeldElsewhere, as the holder wrote it; empty when it wrote nothing.
    const std::string& Holder() const { return holder_; }
    // $XDG_RUNTIME_DIR, or a folder of this user's own in the temporary folder.
    static std::filesystem::path DefaultFolder();

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string holder_;
};

}  // namespace vorlak
