// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl reset: the window's Reset without the mouse. The defaults go into the working
// record (its profile slot and macros stay) with the default labels, and the current profile
// is saved; a record file that was lost is made again, so this is the way back from it.
#include <iostream>

#include "cli/command.h"
#include "cli/words.h"

namespace vorlak {
namespace {

int Reset(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 0, 0, "reset");
    session.LoadDataFolder();
    MainController& controller = session.Controller();
    if (controller.DefaultsReset() != WriteStart::Started)
        ThrowDataFile("the defaults could not be read");
    session.SaveCurrentProfile(RecordFileRule::MakeIfMissing);
    std::cout << "profile " << controller.Store().currentProfileIndex + 1
              << ": the defaults (the macros stay), saved to "
              << controller.Files().ConfigFilePath().string() << " and "
              << controller.Files().ProfileSettingsPath().string() << "\n";
    return kExitSuccess;
}

constexpr Command kCommands[] = {
    {"reset", "", "the defaults into the current profile",
     "Does what the window's Reset does, without the mouse: the current profile gets the\n"
     "default settings, buttons and labels; its macros stay. The profile's files are saved,\n"
     "and a record file that was lost is made again. vorlakctl apply sends it to the mouse.",
     Access::WritesFiles, Reset},
};

}  // namespace

std::span<const Command> ResetCommands() {
    return kCommands;
}

}  // namespace vorlak
