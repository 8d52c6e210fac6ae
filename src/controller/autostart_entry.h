// SPDX-License-Identifier: GPL-3.0-or-later
// Starting with the desktop: the autostart entry that the tray menu's item writes and removes,
// $XDG_CONFIG_HOME/autostart/<desktop id>.desktop, which starts this very executable.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlak {

// The application's desktop id, also the name of its desktop entry and icons.
inline constexpr std::string_view kDesktopId = "org.vorlak.Vorlak";

// The entry's path in the configuration folder (see UserConfigHome); empty without one.
std::filesystem::path AutostartEntryPath(const char* xdgConfigHome, const char* home);

// The entry's text, starting executable; none when the path cannot be written in an Exec
// line (a line break in it).
std::optional<std::string> AutostartEntryText(const std::filesystem::path& executable);

// Writes the entry (creating its folder) or removes it; false with the reason when that
// fails. Removing an entry that is not there succeeds.
bool SetAutostart(const std::filesystem::path& entry, bool on,
                  const std::filesystem::path& executable, std::error_code& error);

// The menu item's text in the language of code.
std::string_view AutostartItemText(std::string_view code);

}  // namespace vorlak
