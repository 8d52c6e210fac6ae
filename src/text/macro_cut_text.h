// SPDX-License-Identifier: GPL-3.0-or-later
// The line the macro manager shows for a macro that OK had to shorten: the mouse's block has
// room for 126 bytes of events, and the events after the first that did not fit were left out.
#pragma once

#include <string>
#include <string_view>

namespace vorlak {

// In the language of the code (English for codes other than the four).
std::string MacroCutText(std::string_view code, std::string_view macroName, int droppedEvents);

}  // namespace vorlak
