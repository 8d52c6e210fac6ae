// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_store_copy.h"

#include <utility>

namespace vorlak {

MacroStoreCopy::MacroStoreCopy(std::filesystem::path path, FileWrites& writes, Saved saved)
    : path_(std::move(path)),
      writes_(writes),
      saved_(std::move(saved)),
      copy_(IniFile::Open(path_)),
      exists_(copy_.FileExisted() || copy_.ReadError()) {}

bool MacroStoreCopy::Write(const MacroStoreEdit& edit) {
    if (!ApplyStoreEdit(copy_, edit))
        return false;
    Save();
    return true;
}

bool MacroStoreCopy::WriteLoopCount(std::string_view name, int loopCount) {
    if (!SetStoredLoopCount(copy_, name, loopCount))
        return false;
    Save();
    return true;
}

void MacroStoreCopy::Save() {
    exists_ = true;
    if (const std::error_code unreadable = copy_.ReadError()) {
        writes_.WhenDone([saved = saved_, unreadable] { saved(unreadable); });
        return;
    }
    writes_.Replace(path_, copy_.Serialize(), saved_);
}

}  // namespace vorlak
