// SPDX-License-Identifier: GPL-3.0-or-later
// Flushing to the disk: what a file replacement needs so that a power loss cannot undo it.
// The core defines the interface and calls it through SyncToDisk; the platform implements it
// (platform/linux/fsync_durable_sync.h) and each program installs that implementation when it
// starts. Without one installed (unit tests of the core, the tools) nothing is flushed: the
// writes stay whole against a crash of the program, not against a power loss.
#pragma once

#include <filesystem>
#include <system_error>

namespace vorlak {

class DurableSync {
public:
    virtual ~DurableSync() = default;
    // Writes the data of the file or folder at path through to the disk. For a folder this
    // makes the names in it (a rename into it) durable. The system's error when it fails.
    [[nodiscard]] virtual std::error_code Sync(const std::filesystem::path& path) const = 0;
};

// Makes sync the flushing of every later SyncToDisk (null: none). Returns the one it replaces.
// Install it at the start of the program, before any thread writes files; sync must outlive
// its use.
const DurableSync* InstallDurableSync(const DurableSync* sync);

// Flushes path through the installed implementation. False with error set when it fails; true
// when none is installed.
bool SyncToDisk(const std::filesystem::path& path, std::error_code& error);

}  // namespace vorlak
