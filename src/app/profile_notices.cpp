// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile_notices.h"

#include <initializer_list>

#include "text/dialog_texts.h"

namespace vorlak {
namespace {

// The text with "%1", "%2" … replaced by the values in order.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled(text);
    int number = 1;
    for (std::string_view value : values) {
        const std::string mark = "%" + std::to_string(number++);
        if (const std::size_t at = filled.find(mark); at != std::string::npos)
            filled.replace(at, mark.size(), value);
    }
    return filled;
}

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
