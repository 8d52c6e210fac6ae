// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes in the user's language: their OK and Cancel buttons carry the language's words.
#pragma once

#include <string_view>

class QMessageBox;

namespace vorlak {

// Runs the box modally and returns its result.
int ShowInLanguage(QMessageBox& box, std::string_view languageCode);
// Opens the box without waiting for it.
void OpenInLanguage(QMessageBox& box, std::string_view languageCode);

}  // namespace vorlak
