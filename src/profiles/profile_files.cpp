// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profile_files.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "common/atomic_file.h"
#include "common/diagnostics.h"
#include "macro/macro_block.h"
#include "macro/macro_event.h"
#include "macro/macro_store.h"
#include "profiles/profile_list.h"
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

constexpr std::string_view kUnfinishedReason = "a renumbering of the profiles is unfinished";

// The new bytes of a settings file: its text with the fourteen labels set. Nothing, with the
// reason, for a file that is there but cannot be read: it is never written over.
std::optional<std::string> LabelBytes(const std::filesystem::path& path, std::string_view section,
                                      const std::array<std::string, kEntryCount>& labels,
                                      FileFailure& failure) {
    IniFile file = IniFile::Open(path);
    if (const std::error_code unread = file.ReadError()) {
        failure = {path, unread.message()};
        return std::nullopt;
    }
    for (int i = 0; i < kEntryCount; ++i)
        file.Set(section, ItemKey(i + 1), labels[static_cast<std::size_t>(i)]);
    return file.Serialize();
}

FileFailure FailureOf(const ReplacementOutcome& outcome) {
    return {outcome.failed, outcome.error.message()};
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
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

bool ProfileFiles::RenumberingUnfinished() const {
    return Exists(folder_.ResolveDataPath(kProfileJournalFile));
}

bool ProfileFiles::LoadCurrentProfile() {
    SetStorePaths();
    repaired_.clear();
    if (store_.useDefaultFiles == 1) {
        configFilePath_ = folder_.ResolveDataPath(kDefaultRecordFile);
        profileSettingsPath_ = profileListPath_;
    } else {
        if (RenumberingUnfinished())
            return false;
        IniFile list = IniFile::Open(profileListPath_);
        int count = ParseLeadingInt(list.Get(kProfileSection, "ItemCount"));
        if (count == 0 || count > kMaxProfiles)
            return false;
        if (const int current = CurrentEntryOf(list, count); current >= 0)
            store_.currentProfileIndex = static_cast<Byte>(current);
        SetProfilePaths(store_.currentProfileIndex);
    }
    bool read = ReadRecordFile(configFilePath_, kMissingRecord);
    RebuildMacroSlots(MacroStore(macroStorePath_), store_.currentConfig);
    return read;
}

bool ProfileFiles::LoadProfileSlot(int n) {
    SetStorePaths();
    SetProfilePaths(n);
    repaired_.clear();
    return !RenumberingUnfinished() && ReadRecordFile(configFilePath_, "Config file is not exist.");
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
    repaired_ = BringIntoRange(store_.currentConfig);
    return true;
}

ProfileSaveResult ProfileFiles::SaveProfile(const MouseConfig& record,
                                            std::string_view labelSection,
                                            const std::array<std::string, kEntryCount>& labels,
                                            RecordFileRule rule) {
    SetProfilePaths(store_.currentProfileIndex);
    ProfileSaveResult result;
    if (RenumberingUnfinished()) {
        result.blocked = true;
        result.failure = {folder_.ResolveDataPath(kProfileJournalFile),
                          std::string(kUnfinishedReason)};
        return result;
    }
    const std::optional<std::string> labelBytes =
        LabelBytes(profileSettingsPath_, labelSection, labels, result.failure);
    if (!labelBytes)
        return result;
    // A numbered record file is made by saving only when the rule says so (a reset).
    const bool recordThere = rule == RecordFileRule::MakeIfMissing || Exists(configFilePath_);
    const std::string recordBytes = RecordFileBytes(record);
    std::vector<FileReplacement> files;
    if (recordThere)
        files.push_back({configFilePath_, recordBytes});
    files.push_back({profileSettingsPath_, *labelBytes});
    const ReplacementOutcome outcome = ReplaceFilesTogether(files);
    result.recordSaved = recordThere && outcome.replaced > 0;
    result.labelsSaved = outcome.Whole(files.size());
    if (outcome.error) {
        result.failure = FailureOf(outcome);
        Diagnostic(kWriteError.data(), outcome.error.value());
    } else if (!recordThere) {
        result.failure = {configFilePath_, "does not exist"};
        Diagnostic(kMissingRecord.data());
    }
    if (result.recordSaved) {
        Diagnostic(kWriteReport.data(), 1, static_cast<int>(sizeof(MouseConfig)),
                   static_cast<int>(sizeof(MouseConfig)));
    }
    return result;
}

std::string RecordFileBytes(const MouseConfig& record) {
    std::string bytes(1, '\x01');
    bytes.append(reinterpret_cast<const char*>(record.Bytes().data()), record.Bytes().size());
    return bytes;
}

void ProfileFiles::LoadProfileSettings(std::string_view labelSection) {
    ReadSettings(profileSettingsPath_, labelSection);
}

void ProfileFiles::ReadSettings(const std::filesystem::path& path, std::string_view labelSection) {
    settings_ = ReadProfileSettings(path, labelSection);
}

ProfileSettings ReadProfileSettings(const std::filesystem::path& path,
                                    std::string_view labelSection) {
    const IniFile file = IniFile::Open(path);
    ProfileSettings settings;
    for (int i = 0; i < kEntryCount; ++i) {
        settings.entryLabel[static_cast<std::size_t>(i)] = file.Get(labelSection, ItemKey(i + 1));
    }
    settings.rColor = file.Get("Skins", "RColor");
    settings.gColor = file.Get("Skins", "GColor");
    settings.bColor = file.Get("Skins", "BColor");
    return settings;
}

bool ProfileFiles::SaveProfileSettings(std::string_view labelSection,
                                       const std::array<std::string, kEntryCount>& labels) {
    FileFailure failure;
    const std::optional<std::string> bytes =
        LabelBytes(profileSettingsPath_, labelSection, labels, failure);
    std::error_code error;
    return !RenumberingUnfinished() && bytes &&
           ReplaceFileAtomically(profileSettingsPath_, *bytes, error);
}

WholeRecord ReadWholeRecord(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        return {RecordRead::Missing};
    if (!std::filesystem::is_regular_file(status))
        return {RecordRead::NotAFile};
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size != kRecordFileSize)
        return {RecordRead::WrongSize, ec ? 0 : size};
    errno = 0;
    const std::optional<std::string> bytes = ReadFileBytes(path, kRecordFileSize);
    if (!bytes || bytes->size() != kRecordFileSize)
        return {RecordRead::Unreadable, 0, {errno != 0 ? errno : EIO, std::generic_category()}};
    WholeRecord read{RecordRead::Read, size, {}, static_cast<Byte>((*bytes)[0])};
    std::memcpy(read.record.Bytes().data(), bytes->data() + 1, sizeof(MouseConfig));
    return read;
}

namespace {

ImportResult ImportResultOf(RecordRead read) {
    switch (read) {
        case RecordRead::Read:
            return ImportResult::Imported;
        case RecordRead::Missing:
            return ImportResult::Missing;
        case RecordRead::NotAFile:
            return ImportResult::NotAFile;
        case RecordRead::WrongSize:
            return ImportResult::WrongSize;
        case RecordRead::Unreadable:
            break;
    }
    return ImportResult::Unreadable;
}

}  // namespace

// Everything is checked before anything changes: the name, the file as ReadWholeRecord reads
// it, the values of its fields; only then are the record and the labels taken.
ImportOutcome ProfileFiles::ImportProfile(const std::filesystem::path& chosen,
                                          std::string_view labelSection) {
    if (chosen.filename().string().find(".bin") == std::string::npos)
        return {ImportResult::NotAProfile, chosen, {}};
    const WholeRecord read = ReadWholeRecord(chosen);
    if (read.result == RecordRead::Missing)
        Diagnostic(kMissingRecord.data());
    if (read.result != RecordRead::Read)
        return {ImportResultOf(read.result), chosen, {}, read.size};
    if (std::vector<RecordField> fields = FieldsOutOfRange(read.record); !fields.empty())
        return {ImportResult::OutOfRange, chosen, {}, read.size, std::move(fields)};
    store_.firstRunFlag = read.flag;
    store_.currentConfig = read.record;
    Diagnostic(kReadReport.data(), store_.firstRunFlag, static_cast<int>(sizeof(MouseConfig)));
    const std::filesystem::path settings = CompanionSettingsPath(chosen);
    ReadSettings(settings, labelSection);
    return {ImportResult::Imported, chosen, settings, read.size};
}

ExportOutcome ProfileFiles::ExportProfile(std::filesystem::path chosen, const MouseConfig& record,
                                          std::string_view labelSection,
                                          const std::array<std::string, kEntryCount>& labels) {
    if (chosen.filename().empty())
        return {false, chosen, {}, {chosen, "no file name was given"}};
    if (chosen.filename().string().find(".bin") == std::string::npos)
        chosen += ".bin";
    ExportOutcome outcome{false, chosen, CompanionSettingsPath(chosen), {}};
    const std::optional<std::string> labelBytes =
        LabelBytes(outcome.settings, labelSection, labels, outcome.failure);
    if (!labelBytes)
        return outcome;
    const std::string recordBytes = RecordFileBytes(record);
    const FileReplacement files[] = {{outcome.settings, *labelBytes}, {chosen, recordBytes}};
    const ReplacementOutcome written = ReplaceFilesTogether(files);
    outcome.written = written.Whole(std::size(files));
    if (!outcome.written) {
        outcome.failure = FailureOf(written);
        Diagnostic(kWriteError.data(), written.error.value());
    } else {
        Diagnostic(kWriteReport.data(), 1, static_cast<int>(sizeof(MouseConfig)),
                   static_cast<int>(sizeof(MouseConfig)));
    }
    return outcome;
}

}  // namespace vorlak
