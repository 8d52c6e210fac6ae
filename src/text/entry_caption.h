// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment entries as the window captions them: "Button 1" … "Button 7" for the base
// layer (entries 0..6, in the language of the text table) and "Shift+1" … "Shift+7" for the
// Shift layer (entries 7..13: "Shift+n" is entry 6 + n, in key-matrix slot order).
#pragma once

#include <string>

#include "text/ui_text.h"

namespace vorlak {

std::string EntryCaption(const UiTextTable& text, int entry);

}  // namespace vorlak
