// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment entries as vorlakctl's words name them; their captions are EntryCaption's.
#pragma once

#include <string>
#include <string_view>

#include "text/entry_caption.h"

namespace vorlak {

// The entry a button word names: "1" … "7" or "button1" … "button7" (blanks, case and a
// "button" prefix are free), "shift+1" … "shift+7"; -1 for any other word.
int ParseEntry(std::string_view word);

// The word for an entry as ParseEntry reads it ("2", "shift+4"), for messages and completion.
std::string EntryWord(int entry);

}  // namespace vorlak
