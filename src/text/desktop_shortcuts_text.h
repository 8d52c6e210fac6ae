// SPDX-License-Identifier: GPL-3.0-or-later
// The note of the key capture dialog and of macro recording where the desktop keeps the keys
// of its own shortcuts (Wayland, when the compositor does not hand them over).
#pragma once

#include <string_view>

namespace vorlak {

// In the language of the code (English for codes other than the four).
std::string_view DesktopShortcutsNote(std::string_view code);

}  // namespace vorlak
