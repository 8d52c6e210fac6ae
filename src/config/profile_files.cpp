// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/profile_files.h"

#include <cstring>
#include <optional>

#include "common/atomic_file.h"
#include "common/diagnostics.h"
#include "macro/macro_block.h"
#include "macro/macro_event.h"
#include "macro/macro_store.h"
#include "record/ini_file.h"

namespace vorlak {
namespace {

constexpr std::string_view kMissingRecord = "Config file is not exist.\n";
constexpr std::string_view kReadReport = "Program First Run Flag:%d\nRead Size is: %d";
constexpr std::string_view kWriteReport = "Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE";
constexpr std::string_view kWriteError = "Error Code is: %d \n";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string ItemKey(int index) {
    return "Item" + std::to_string(index);
}

bool WriteLabels(const std::filesystem::path& path, std::string_view section,
                 const std::array<std::string, kEntryCount>& labels) {
    IniFile file = IniFile::Open(path);
    for (int i = 0; i < kEntryCount; ++i) {
        file.Set(section, ItemKey(i + 1), labels[static_cast<std::size_t>(i)]);
    }
    return file.Save();
}

}  // namespace

std::string RecordFileName(int profile) {
    return "config" + std::to_string(profile) + ".bin";
}

std::string SettingsFileName(int profile) {
    return "str" + std::to_string(profile) + ".ini";
}

std::filesystem::path CompanionSettingsPath(const std::filesystem::path& recordPath) {
    return recordPath.parent_path() / ReplaceAll(recordPath.filename().string(), ".bin", ".ini");
}

ProfileFiles::ProfileFiles(DataFolder folder, ConfigStore& store)
    : folder_(std::move(folder)), store_(store) {}

void ProfileFiles::SetStorePaths() {
    macroStorePath_ = folder_.ResolveDataPath(kMacroStoreFile);
    profileListPath_ = folder_.ResolveDataPath(kProfileListFile);
}

void ProfileFiles::SetProfilePaths(int profile) {
    configFilePath_ = folder_.ResolveDataPath(RecordFileName(profile));
    profileSettingsPath_ = folder_.ResolveDataPath(SettingsFileName(profile));
}

bool ProfileFiles::LoadCurrentProfile() {
    SetStorePaths();
    if (store_.useDefaultFiles == 1) {
        configFilePath_ = folder_.ResolveDataPath(kDefaultRecordFile);
        profileSettingsPath_ = profileListPath_;
    } else {
        IniFile list = IniFile::Open(profileListPath_);
        std::string currentName = list.Get("Profile", "CurProfileName");
        int count = ParseLeadingInt(list.Get("Profile", "ItemCount"));
        if (count == 0 || count > kMaxProfiles)
            return false;
        for (int i = 0; i < count; ++i) {
            if (list.Get("Profile", ItemKey(i)) == currentName) {
                store_.currentProfileIndex = static_cast<Byte>(i);
            }
        }
        SetProfilePaths(store_.currentProfileIndex);
    }
    bool read = ReadRecordFile(configFilePath_, kMissingRecord);
    RebuildMacroSlots(MacroStore(macroStorePath_), store_.currentConfig);
    return read;
}

bool ProfileFiles::LoadProfileSlot(int n) {
    SetStorePaths();
    SetProfilePaths(n);
    return ReadRecordFile(configFilePath_, "Config file is not exist.");
}

void ProfileFiles::SelectProfile(int n) {
    store_.currentProfileIndex = static_cast<Byte>(n);
    SetProfilePaths(n);
}

bool ProfileFiles::ReadRecordFile(const std::filesystem::path& path, std::string_view missingText) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        Diagnostic(std::string(missingText).c_str());
        return false;
    }
    std::optional<std::string> bytes = ReadFileBytes(path, kRecordFileSize);
    if (!bytes) {
        Diagnostic("Config file cannot be read: %s\n", path.c_str());
        return false;
    }
    std::size_t recordBytes = 0;
    if (!bytes->empty()) {
        store_.firstRunFlag = static_cast<Byte>((*bytes)[0]);
        recordBytes = bytes->size() - 1;
        std::memcpy(store_.currentConfig.Bytes().data(), bytes->data() + 1, recordBytes);
    }
    Diagnostic(kReadReport.data(), store_.firstRunFlag, static_cast<int>(recordBytes));
    return true;
}

bool ProfileFiles::SaveCurrentProfile(const MouseConfig& record, RecordFileRule rule) {
    SetProfilePaths(store_.currentProfileIndex);
    std::error_code ec;
    if (rule == RecordFileRule::OnlyIfItExists && !std::filesystem::exists(configFilePath_, ec)) {
        Diagnostic(kMissingRecord.data());
        return false;
    }
    return WriteRecordFile(configFilePath_, record);
}

std::string RecordFileBytes(const MouseConfig& record) {
    std::string bytes(1, '\x01');
    bytes.append(reinterpret_cast<const char*>(record.Bytes().data()), record.Bytes().size());
    return bytes;
}

bool ProfileFiles::WriteRecordFile(const std::filesystem::path& path, const MouseConfig& record) {
    std::error_code error;
    if (!ReplaceFileAtomically(path, RecordFileBytes(record), error)) {
        Diagnostic(kWriteError.data(), error.value());
        return false;
    }
    Diagnostic(kWriteReport.data(), 1, static_cast<int>(sizeof(MouseConfig)),
               static_cast<int>(sizeof(MouseConfig)));
    return true;
}

void ProfileFiles::LoadProfileSettings(std::string_view labelSection) {
    ReadSettings(profileSettingsPath_, labelSection);
}

void ProfileFiles::ReadSettings(const std::filesystem::path& path, std::string_view labelSection) {
    IniFile file = IniFile::Open(path);
    for (int i = 0; i < kEntryCount; ++i) {
        settings_.entryLabel[static_cast<std::size_t>(i)] = file.Get(labelSection, ItemKey(i + 1));
    }
    settings_.rColor = file.Get("Skins", "RColor");
    settings_.gColor = file.Get("Skins", "GColor");
    settings_.bColor = file.Get("Skins", "BColor");
}

bool ProfileFiles::SaveProfileSettings(std::string_view labelSection,
                                       const std::array<std::string, kEntryCount>& labels) {
    return WriteLabels(profileSettingsPath_, labelSection, labels);
}

// Everything is checked before anything changes: the name, the kind of file (without opening
// it), its size, then the whole record is read; only then are the record and the labels taken.
ImportOutcome ProfileFiles::ImportProfile(const std::filesystem::path& chosen,
                                          std::string_view labelSection) {
    if (chosen.filename().string().find(".bin") == std::string::npos)
        return {ImportResult::NotAProfile, chosen, {}};
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(chosen, ec);
    if (!std::filesystem::exists(status)) {
        Diagnostic(kMissingRecord.data());
        return {ImportResult::Missing, chosen, {}};
    }
    if (!std::filesystem::is_regular_file(status))
        return {ImportResult::NotAFile, chosen, {}};
    const std::uintmax_t size = std::filesystem::file_size(chosen, ec);
    if (ec || size != kRecordFileSize)
        return {ImportResult::WrongSize, chosen, {}, ec ? 0 : size};
    const std::optional<std::string> bytes = ReadFileBytes(chosen, kRecordFileSize);
    if (!bytes || bytes->size() != kRecordFileSize)
        return {ImportResult::Unreadable, chosen, {}};
    store_.firstRunFlag = static_cast<Byte>((*bytes)[0]);
    std::memcpy(store_.currentConfig.Bytes().data(), bytes->data() + 1, sizeof(MouseConfig));
    Diagnostic(kReadReport.data(), store_.firstRunFlag, static_cast<int>(sizeof(MouseConfig)));
    const std::filesystem::path settings = CompanionSettingsPath(chosen);
    ReadSettings(settings, labelSection);
    return {ImportResult::Imported, chosen, settings, size};
}

ExportOutcome ProfileFiles::ExportProfile(std::filesystem::path chosen, const MouseConfig& record,
                                          std::string_view labelSection,
                                          const std::array<std::string, kEntryCount>& labels) {
    if (chosen.filename().string().find(".bin") == std::string::npos)
        chosen += ".bin";
    const std::filesystem::path settings = CompanionSettingsPath(chosen);
    WriteLabels(settings, labelSection, labels);
    return {WriteRecordFile(chosen, record), chosen, settings};
}

}  // namespace vorlak
