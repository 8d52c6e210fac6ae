// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile_notices.h"

#include "text/dialog_texts.h"
#include "text/text_fill.h"

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
        case ImportResult::Imported:
            break;
    }
    return {};
}

}  // namespace

std::string ImportRefusalText(const ImportOutcome& outcome, std::string_view code) {
    if (outcome.result == ImportResult::Imported)
        return {};
    const ProfileManagerTexts texts = ProfileManagerTextsFor(code);
    const std::string size = std::to_string(outcome.size);
    return Fill(texts.importRefused, {outcome.record.string()}) + "\n" +
           Fill(Reason(texts, outcome.result), {"", size});
}

std::string ExportFailureText(const std::filesystem::path& file, std::string_view code) {
    return Fill(ProfileManagerTextsFor(code).exportFailed, {file.string()});
}

std::string CommitFailureText(std::string_view error, std::string_view code) {
    return Fill(ProfileManagerTextsFor(code).commitFailed, {error});
}

}  // namespace vorlak
