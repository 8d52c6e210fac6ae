// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/durable_sync.h"

#include <atomic>

namespace vorlak {
namespace {

// Read by every thread that writes files (the UI thread, the writers); set once at start.
std::atomic<const DurableSync*> installed{nullptr};

}  // namespace

const DurableSync* InstallDurableSync(const DurableSync* sync) {
    return installed.exchange(sync);
}

bool SyncToDisk(const std::filesystem::path& path, std::error_code& error) {
    const DurableSync* sync = installed.load();
    if (sync == nullptr)
        return true;
    if (const std::error_code failed = sync->Sync(path)) {
        error = failed;
        return false;
    }
    return true;
}

}  // namespace vorlak
