// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs of the profile manager's Load and Save: Qt's own dialog, the same on every
// desktop, with the filter "Palvex Profile(*.bin)", starting at the current record file, in
// the window's language and dark colours. Load takes only an existing file; Save asks before
// it replaces one.
#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>
#include <string_view>

namespace vorlak {

enum class ProfileFileAction { Load, Save };

// The path chosen, or nothing when the dialog was cancelled. The dialog speaks the language of
// languageCode (Qt's own translation of it, installed for the program on first use).
std::optional<std::filesystem::path> ChooseProfileFile(QWidget* parent, ProfileFileAction action,
                                                       const std::filesystem::path& start,
                                                       std::string_view languageCode);

}  // namespace vorlak
