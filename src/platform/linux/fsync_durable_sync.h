// SPDX-License-Identifier: GPL-3.0-or-later
// The core's flushing to the disk on Linux: fsync() of the file, or of the folder for the
// names in it.
#pragma once

#include "common/durable_sync.h"

namespace vorlak {

class FsyncDurableSync final : public DurableSync {
public:
    [[nodiscard]] std::error_code Sync(const std::filesystem::path& path) const override;
};

// Installs one FsyncDurableSync for the rest of the run (the programs call it first thing).
void InstallFsyncDurableSync();

}  // namespace vorlak
