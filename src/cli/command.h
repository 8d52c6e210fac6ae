// SPDX-License-Identifier: GPL-3.0-or-later
// One vorlakctl command: its words, its help and what it touches. Each command group's file
// lists its commands; main finds them by name, takes the locks of what they touch, and
// prints their help.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/session.h"

namespace vorlak {

// What a command touches; main takes the locks it needs: the data folder's for those that
// write its files, the mouse's for those that talk to a real mouse.
enum class Access {
    Reads,         // reads the data files only; runs beside the window
    WritesFiles,   // writes the data folder's files
    ReachesMouse,  // talks to the mouse
    Applies,       // talks to the mouse and saves the profile's files
};

using CommandArgs = std::span<const std::string>;

struct Command {
    std::string_view name;
    std::string_view usage;    // the arguments after the name
    std::string_view summary;  // one line for the program's help
    std::string_view details;  // the command's own help, after its usage line
    Access access;
    int (*run)(Session& session, CommandArgs args);
};

std::span<const Command> MouseCommands();     // status, apply, events
std::span<const Command> ShowCommands();      // show
std::span<const Command> SettingsCommands();  // dpi, polling, lighting, sensitivity, pointer
std::span<const Command> AssignCommands();    // assign
std::span<const Command> ProfileCommands();   // profile
std::span<const Command> MacroCommands();     // macro
std::span<const Command> ResetCommands();     // reset

}  // namespace vorlak
