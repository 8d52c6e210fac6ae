// SPDX-License-Identifier: GPL-3.0-or-later
// The one notice of a desktop without a tray: what Vorlak does instead, and the extension that
// gives GNOME a tray.
#pragma once

#include <string_view>

namespace vorlak {

struct NoTrayTexts {
    std::string_view title;
    std::string_view text;
};

// In the language of the code (English for codes other than the four).
NoTrayTexts NoTrayTextsFor(std::string_view code);

}  // namespace vorlak
