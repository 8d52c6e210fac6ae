// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager's copy of the store. The manager reads the copy and edits it, and every
// edit saves the whole copy over the file through FileWrites (off the UI thread in the
// window). So a read never waits for a pending write and never sees the file behind the
// edits; and since each save writes everything, the next save that succeeds also saves the
// edits of one that failed. Each save's outcome is handed to the owner, in order.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/file_writes.h"
#include "macro/macro_store.h"
#include "record/ini_file.h"

namespace vorlak {

class MacroStoreCopy {
public:
    // Each save's outcome: no error, or why the file was not written.
    using Saved = std::function<void(std::error_code)>;

    // Reads the store. A file that is there but cannot be read is never written: each save
    // then fails at once with the reason it could not be read.
    MacroStoreCopy(std::filesystem::path path, FileWrites& writes, Saved saved);

    const std::filesystem::path& Path() const { return path_; }
    // The file was there when the copy was read, or an edit has been saved since.
    bool Exists() const { return exists_; }
    std::vector<std::string> ReadNames() const { return ReadMacroNames(copy_); }
    StoredMacro ReadMacro(std::string_view name) const { return ReadStoredMacro(copy_, name); }
    std::vector<NamedMacro> ReadMacros(std::size_t limit) const {
        return vorlak::ReadMacros(copy_, limit);
    }

    // Edit the copy and save it; false (nothing changed, nothing saved) for what the store's
    // writes refuse.
    bool Write(const MacroStoreEdit& edit);
    bool WriteLoopCount(std::string_view name, int loopCount);
    // Saves the copy as it is, after a save that failed.
    void SaveAgain() { Save(); }
    // Runs then after the outcomes of every save so far.
    void WhenSaved(std::function<void()> then) { writes_.WhenDone(std::move(then)); }

private:
    void Save();

    std::filesystem::path path_;
    FileWrites& writes_;
    Saved saved_;
    IniFile copy_;
    bool exists_;
};

}  // namespace vorlak
