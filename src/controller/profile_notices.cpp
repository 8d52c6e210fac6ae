// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/profile_notices.h"

#include "text/dialog_texts.h"
#include "text/entry_caption.h"
#include "text/profile_file_texts.h"
#include "text/text_fill.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

std::string_view Reason(const ProfileManagerTexts& texts, ImportResult result) {
    switch (result) {
        case ImportResult::NotAProfile:
            return texts.importNoBinName;
        case ImportResult::Missing:
            return texts.importMissing;
        case ImportResult::NotAFile:
            return texts.importNotAFile;
        case ImportResult::WrongSize:
            return texts.importWrongSize;
        case ImportResult::Unreadable:
            return texts.importUnreadable;
        case ImportResult::OutOfRange:
        case ImportResult::Imported:
            break;
    }
    return {};
}

std::string_view FieldText(const ProfileFileTexts& texts, RecordFieldKind kind) {
    using Kind = RecordFieldKind;
    switch (kind) {
        case Kind::ProfileSlot:
            return texts.profileSlot;
        case Kind::PollingRate:
            return texts.pollingRate;
        case Kind::DpiLevel:
            return texts.dpiLevel;
        case Kind::DpiEnabled:
            return texts.dpiEnabled;
        case Kind::LightMode:
            return texts.lightMode;
        case Kind::LightBrightness:
            return texts.lightBrightness;
        case Kind::LightBreathRate:
            return texts.lightBreathRate;
        case Kind::LightNeonRate:
            return texts.lightNeonRate;
        case Kind::PointerSpeed:
            return texts.pointerSpeed;
        case Kind::WheelLines:
            return texts.wheelLines;
        case Kind::DoubleClickStep:
            return texts.doubleClickStep;
        case Kind::SensitivityX:
            return texts.sensitivityX;
        case Kind::SensitivityY:
            return texts.sensitivityY;
        case Kind::EntryFunction:
            return texts.entryFunction;
        case Kind::EntryDpiAction:
            return texts.entryDpiAction;
        case Kind::EntryMediaKey:
            return texts.entryMediaKey;
        case Kind::EntryWindowsShortcut:
            return texts.entryWindowsShortcut;
        case Kind::EntryOfficeKey:
            return texts.entryOfficeKey;
        case Kind::EntryKey:
            return texts.entryKey;
        case Kind::EntryMacro:
            return texts.entryMacro;
        case Kind::EntryMacroMode:
            return texts.entryMacroMode;
    }
    return {};
}

bool IsEntryField(RecordFieldKind kind) {
    return kind >= RecordFieldKind::EntryFunction;
}

}  // namespace

std::string RecordFieldName(const RecordField& field, std::string_view code) {
    const std::string_view text = FieldText(ProfileFileTextsFor(code), field.kind);
    const std::string where = IsEntryField(field.kind)
                                  ? EntryCaption(FillTextTable(code), field.index)
                                  : std::to_string(field.index + 1);
    return Fill(text, {where});
}

std::string ImportRefusalText(const ImportOutcome& outcome, std::string_view code) {
    if (outcome.result == ImportResult::Imported)
        return {};
    const ProfileManagerTexts texts = ProfileManagerTextsFor(code);
    std::string text = Fill(texts.importRefused, {outcome.record.string()});
    if (outcome.result != ImportResult::OutOfRange)
        return text + "\n" +
               Fill(Reason(texts, outcome.result), {"", std::to_string(outcome.size)});
    for (const RecordField& field : outcome.fields) {
        text += "\n" + Fill(ProfileFileTextsFor(code).importField,
                            {RecordFieldName(field, code), std::to_string(field.found)});
    }
    return text;
}

std::string ExportFailureText(const ExportOutcome& outcome, std::string_view code) {
    return Fill(ProfileManagerTextsFor(code).exportFailed,
                {outcome.failure.file.string(), outcome.failure.reason});
}

std::string CommitFailureText(const CommitResult& result, std::string_view code) {
    if (result.unfinished)
        return Fill(ProfileFileTextsFor(code).commitUnfinished, {result.error});
    return Fill(ProfileManagerTextsFor(code).commitFailed, {result.error});
}

std::string UnfinishedRenumberingText(std::string_view error, std::string_view code) {
    return Fill(ProfileFileTextsFor(code).journalUnfinished, {error});
}

std::string SaveProblemText(const ProfileSaveResult& result, std::string_view code) {
    const ProfileFileTexts texts = ProfileFileTextsFor(code);
    const std::string why = result.failure.Describe();
    if (result.Whole())
        return {};
    if (result.blocked)
        return Fill(texts.journalUnfinished, {why});
    if (result.recordSaved)
        return Fill(texts.savedRecordOnly, {why});
    if (result.labelsSaved)
        return Fill(texts.savedLabelsOnly, {why});
    return Fill(texts.savedNothing, {why});
}

std::string RepairedFieldsText(const std::filesystem::path& file,
                               const std::vector<RecordField>& fields, std::string_view code) {
    if (fields.empty())
        return {};
    std::string list;
    for (const RecordField& field : fields) {
        list += (list.empty() ? "" : ", ") + RecordFieldName(field, code) + " " +
                std::to_string(field.found) + " → " + std::to_string(field.nearest);
    }
    return Fill(ProfileFileTextsFor(code).fieldsRepaired, {file.string(), list});
}

}  // namespace vorlak
