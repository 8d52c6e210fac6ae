// SPDX-License-Identifier: GPL-3.0-or-later
// The profile files beside the program: the profile list "str.ini", the records
// "config%d.bin" and settings "str%d.ini" of each profile, the default files
// "config.bin" and "str.ini", and import and export of a profile.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "record/data_folder.h"
#include "record/mouse_config.h"

namespace vorlak {

inline constexpr int kMaxProfiles = 6;
inline constexpr std::size_t kRecordFileSize = 1 + sizeof(MouseConfig);  // flag byte + record

inline constexpr std::string_view kProfileListFile = "str.ini";
inline constexpr std::string_view kDefaultRecordFile = "config.bin";
inline constexpr std::string_view kMacroStoreFile = "record.ini";

std::string RecordFileName(int profile);    // "config%d.bin"
std::string SettingsFileName(int profile);  // "str%d.ini"

// The labels and label colour texts read from a settings file.
struct ProfileSettings {
    std::array<std::string, kEntryCount> entryLabel;
    std::string rColor, gColor, bColor;
};

// Whether a save makes the record file when it is missing. The profile files are only ever
// rewritten; a reset makes a lost record file again.
enum class RecordFileRule { OnlyIfItExists, MakeIfMissing };

// What an import did. Only Imported changes anything; every other result leaves the record,
// the labels and the paths as they were.
enum class ImportResult {
    Imported,     // record and companion settings read
    NotAProfile,  // the file name has no ".bin"
    Missing,      // the file does not exist
    NotAFile,     // a folder, a pipe, a device: nothing is opened, so a pipe cannot block
    WrongSize,    // not the 1889 bytes of a profile file
    Unreadable,   // it could not be read whole
};

// What an import read, and from where.
struct ImportOutcome {
    ImportResult result;
    std::filesystem::path record;    // the record file chosen
    std::filesystem::path settings;  // its companion settings file; empty when none was read
    std::uintmax_t size = 0;         // the record file's size, for WrongSize
};

// What an export wrote, and where.
struct ExportOutcome {
    bool written;                    // the record file was written
    std::filesystem::path record;    // the chosen name with ".bin" added when it had none
    std::filesystem::path settings;  // its companion settings file with the labels
};

class ProfileFiles {
public:
    ProfileFiles(DataFolder folder, ConfigStore& store);

    // Finds the current profile in the list, reads its record and rebuilds the macro
    // slots from the macro store. False when no record was read.
    bool LoadCurrentProfile();
    // Writes record into the current profile's record file, only if that file exists unless
    // rule says to make it. False when nothing was written.
    bool SaveCurrentProfile(const MouseConfig& record,
                            RecordFileRule rule = RecordFileRule::OnlyIfItExists);
    // Reads the record of profile n as stored (macro slots included).
    bool LoadProfileSlot(int n);
    // Profile n becomes the current one without reading anything: its files are those the
    // next save writes.
    void SelectProfile(int n);
    // Reads the labels of labelSection and the label colour texts of the settings file.
    void LoadProfileSettings(std::string_view labelSection);
    // Writes the fourteen labels into labelSection of the settings file.
    bool SaveProfileSettings(std::string_view labelSection,
                             const std::array<std::string, kEntryCount>& labels);

    // The file half of the profile manager's Load: chosen is the full path picked. Reads the
    // record into the store and the companion settings into Settings(); the current
    // profile's paths stay.
    ImportOutcome ImportProfile(const std::filesystem::path& chosen, std::string_view labelSection);
    // The file half of the profile manager's Save: the record and the labels beside it. The
    // current profile's paths stay.
    ExportOutcome ExportProfile(std::filesystem::path chosen, const MouseConfig& record,
                                std::string_view labelSection,
                                const std::array<std::string, kEntryCount>& labels);

    const DataFolder& Folder() const { return folder_; }
    // The current profile's files, as the last load or save of it set them: config%d.bin and
    // str%d.ini of currentProfileIndex (or of the slot LoadProfileSlot read), or config.bin
    // and str.ini while the defaults are read.
    const std::filesystem::path& ConfigFilePath() const { return configFilePath_; }
    const std::filesystem::path& ProfileSettingsPath() const { return profileSettingsPath_; }
    const std::filesystem::path& MacroStorePath() const { return macroStorePath_; }
    const std::filesystem::path& ProfileListPath() const { return profileListPath_; }
    const ProfileSettings& Settings() const { return settings_; }

private:
    void SetStorePaths();
    void SetProfilePaths(int profile);
    bool ReadRecordFile(const std::filesystem::path& path, std::string_view missingText);
    void ReadSettings(const std::filesystem::path& path, std::string_view labelSection);
    bool WriteRecordFile(const std::filesystem::path& path, const MouseConfig& record);

    DataFolder folder_;
    ConfigStore& store_;
    std::filesystem::path configFilePath_;
    std::filesystem::path profileSettingsPath_;
    std::filesystem::path macroStorePath_;
    std::filesystem::path profileListPath_;
    ProfileSettings settings_;
};

// The bytes of a record file: the flag byte 1, then the record.
std::string RecordFileBytes(const MouseConfig& record);

// Replaces every ".bin" of a file name (not of its folders) by ".ini".
std::filesystem::path CompanionSettingsPath(const std::filesystem::path& recordPath);

}  // namespace vorlak
