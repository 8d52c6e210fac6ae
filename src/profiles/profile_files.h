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
#include <system_error>
#include <vector>

#include "profiles/record_check.h"
#include "record/data_folder.h"
#include "record/mouse_config.h"

namespace vorlak {

inline constexpr int kMaxProfiles = 6;
inline constexpr std::size_t kRecordFileSize = 1 + sizeof(MouseConfig);  // flag byte + record

inline constexpr std::string_view kProfileListFile = "str.ini";
inline constexpr std::string_view kDefaultRecordFile = "config.bin";
inline constexpr std::string_view kMacroStoreFile = "record.ini";
// Present while a renumbering of the profile files is under way or was left unfinished
// (profile_renumbering.h): no profile is read or saved then.
inline constexpr std::string_view kProfileJournalFile = "profiles.journal";

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
    OutOfRange,   // a field holds a value no profile holds (ImportOutcome::fields)
};

// What an import read, and from where.
struct ImportOutcome {
    ImportResult result;
    std::filesystem::path record;          // the record file chosen
    std::filesystem::path settings;        // its companion settings file; empty when none was read
    std::uintmax_t size = 0;               // the record file's size, for WrongSize
    std::vector<RecordField> fields = {};  // for OutOfRange: each field and the value it held
};

// What a read of a whole record file found.
enum class RecordRead {
    Read,
    Missing,     // the file does not exist
    NotAFile,    // a folder, a pipe, a device: nothing is opened, so a pipe cannot block
    WrongSize,   // not the 1889 bytes of a record file
    Unreadable,  // it could not be read whole
};
struct [[nodiscard]] WholeRecord {
    RecordRead result;
    std::uintmax_t size = 0;     // the file's size where it was learnt: Read, WrongSize
    std::error_code error = {};  // the system's reason for Unreadable
    Byte flag = 0;               // the flag byte before the record: Read
    MouseConfig record{};        // Read
};

// Reads a record file of any name as an import does: a regular file of a record file's size,
// read whole. Everything is checked before anything is read.
WholeRecord ReadWholeRecord(const std::filesystem::path& path);

// Reads the labels of labelSection and the label colour texts of a settings file; what is
// missing reads as "".
ProfileSettings ReadProfileSettings(const std::filesystem::path& path,
                                    std::string_view labelSection);

// A file that could not be written or read, and why (the system's words where it gave them).
struct FileFailure {
    std::filesystem::path file;
    std::string reason;
    // "<file>: <reason>" (the reason alone without a file), for messages.
    std::string Describe() const { return file.empty() ? reason : file.string() + ": " + reason; }
};

// What an export wrote, and where. The labels are renamed into place before the record, so a
// failure leaves no record file without its labels.
struct ExportOutcome {
    bool written;                    // both files were written
    std::filesystem::path record;    // the chosen name with ".bin" added when it had none
    std::filesystem::path settings;  // its companion settings file with the labels
    FileFailure failure;             // when not written: which file and why
};

// What a save of the current profile did. The record and the labels are written beside their
// files and flushed, then renamed into place one after the other, so both are saved or
// neither, unless the second rename fails (the record alone is saved then).
struct [[nodiscard]] ProfileSaveResult {
    bool recordSaved = false;
    bool labelsSaved = false;
    // A renumbering left unfinished: nothing was written (failure names the journal).
    bool blocked = false;
    FileFailure failure;  // the part not saved: its file and why
    bool Whole() const { return recordSaved && labelsSaved; }
};

class ProfileFiles {
public:
    ProfileFiles(DataFolder folder, ConfigStore& store);

    // Finds the current profile in the list, reads its record and rebuilds the macro
    // slots from the macro store. False when no record was read; nothing is read while a
    // renumbering is unfinished. A field outside its values is brought into range (Repaired()).
    bool LoadCurrentProfile();
    // Saves the current profile: record into its record file (only if that file exists, unless
    // rule says to make it) and the fourteen labels into labelSection of its settings file.
    // Nothing is written while a renumbering is unfinished.
    ProfileSaveResult SaveProfile(const MouseConfig& record, std::string_view labelSection,
                                  const std::array<std::string, kEntryCount>& labels,
                                  RecordFileRule rule = RecordFileRule::OnlyIfItExists);
    // Reads the record of profile n as stored (macro slots included), as LoadCurrentProfile
    // reads one.
    bool LoadProfileSlot(int n);
    // Profile n becomes the current one without reading anything: its files are those the
    // next save writes.
    void SelectProfile(int n);
    // Reads the labels of labelSection and the label colour texts of the settings file.
    void LoadProfileSettings(std::string_view labelSection);
    // Writes the fourteen labels into labelSection of the settings file (refused while a
    // renumbering is unfinished).
    bool SaveProfileSettings(std::string_view labelSection,
                             const std::array<std::string, kEntryCount>& labels);
    // A renumbering of the profile files is unfinished: its journal is there.
    bool RenumberingUnfinished() const;
    // The fields the last record read brought into range, with the values the file held.
    const std::vector<RecordField>& Repaired() const { return repaired_; }

    // The file half of the profile manager's Load: chosen is the full path picked. Reads the
    // record into the store and the companion settings into Settings(); the current
    // profile's paths stay. A record with a field outside its values is refused.
    ImportOutcome ImportProfile(const std::filesystem::path& chosen, std::string_view labelSection);
    // The file half of the profile manager's Save: the record and the labels beside it, both
    // or neither. A name without a file name (a folder) is refused. The current profile's
    // paths stay.
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

    DataFolder folder_;
    ConfigStore& store_;
    std::filesystem::path configFilePath_;
    std::filesystem::path profileSettingsPath_;
    std::filesystem::path macroStorePath_;
    std::filesystem::path profileListPath_;
    ProfileSettings settings_;
    std::vector<RecordField> repaired_;
};

// The bytes of a record file: the flag byte 1, then the record.
std::string RecordFileBytes(const MouseConfig& record);

// Replaces every ".bin" of a file name (not of its folders) by ".ini".
std::filesystem::path CompanionSettingsPath(const std::filesystem::path& recordPath);

}  // namespace vorlak
