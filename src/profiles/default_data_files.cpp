// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/default_data_files.h"

#include <string>
#include <string_view>

#include "assign/function_catalogue.h"
#include "common/atomic_file.h"
#include "common/diagnostics.h"
#include "macro/macro_store.h"
#include "profiles/profile_files.h"
#include "record/ini_file.h"
#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr std::string_view kLanguages[] = {kLanguageEnglish, kLanguageGerman, kLanguageSimplified,
                                           kLanguageTraditional};

// Skins settings and the fourteen default labels in every language's section.
void AddSettings(IniFile& file) {
    file.Set("Skins", "Lan", kLanguageEnglish);
    for (std::string_view key : {"RColor", "GColor", "BColor"})
        file.Set("Skins", key, "255");
    const MouseConfig record = DefaultRecord();
    for (std::string_view code : kLanguages) {
        const UiTextTable text = FillTextTable(code);
        for (int entry = 0; entry < kEntryCount; ++entry) {
            file.Set(text.LabelSection, "Item" + std::to_string(entry + 1),
                     FunctionLabel(record, entry, text, code));
        }
    }
}

IniFile ProfileList() {
    IniFile file;
    file.Set("Profile", "CurProfileName", "Profile 1");
    file.Set("Profile", "ItemCount", "1");
    file.Set("Profile", "Item0", "Profile 1");
    AddSettings(file);
    return file;
}

IniFile ProfileSettingsFile() {
    IniFile file;
    AddSettings(file);
    return file;
}

bool WriteIfMissing(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return true;
    if (ReplaceFileAtomically(path, bytes, error))
        return true;
    Diagnostic("Cannot write %s: %s\n", path.c_str(), error.message().c_str());
    return false;
}

}  // namespace

MouseConfig DefaultRecord() {
    MouseConfig record{};
    ResetToDefaults(record);
    return record;
}

bool WriteDefaultDataFiles(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string record = RecordFileBytes(DefaultRecord());
    bool ok = WriteIfMissing(folder / kDefaultRecordFile, record);
    ok = WriteIfMissing(folder / kProfileListFile, ProfileList().Serialize()) && ok;
    for (int profile = 0; profile < kMaxProfiles; ++profile) {
        ok = WriteIfMissing(folder / RecordFileName(profile), record) && ok;
        ok =
            WriteIfMissing(folder / SettingsFileName(profile), ProfileSettingsFile().Serialize()) &&
            ok;
    }
    if (!std::filesystem::exists(folder / kMacroStoreFile, error)) {
        MacroStore store(folder / kMacroStoreFile, [](std::chrono::milliseconds) {});
        ok = store.WriteNames({}) && ok;
    }
    return ok;
}

}  // namespace vorlak
