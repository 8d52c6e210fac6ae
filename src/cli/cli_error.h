// SPDX-License-Identifier: GPL-3.0-or-later
// How a vorlakctl command ends: its exit status, and the message it leaves on standard error.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlak {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNoMouse = 1;      // no mouse found
inline constexpr int kExitUsage = 2;        // the command line or a value was refused
inline constexpr int kExitDataFile = 3;     // a data file could not be read or written
inline constexpr int kExitBusy = 4;         // the window or another vorlakctl holds the mouse
inline constexpr int kExitMouseFailed = 5;  // the mouse did not take or answer a transfer

// Thrown by a command that cannot go on; main prints "vorlakctl: " + message and exits
// with status. Nothing was written when a command throws before its save.
struct CliError {
    int status;
    std::string message;
};

[[noreturn]] void ThrowUsage(std::string message);
[[noreturn]] void ThrowDataFile(std::string message);

// The system's reason for the error number, in words ("Permission denied").
std::string SystemReason(int errorNumber);
// Why path cannot be read or written: it is missing, is a folder, or the system's reason for
// refusing the access asked (R_OK or W_OK); "" when it can be.
std::string FileProblem(const std::filesystem::path& path, int access);

// A path the user typed, taken relative to the current folder.
std::filesystem::path UserPath(std::string_view typed);

}  // namespace vorlak
