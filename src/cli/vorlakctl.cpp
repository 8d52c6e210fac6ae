// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl: the command-line twin of the Vorlak window. The command groups list their
// commands (command.h); this file reads the program's options, finds the command, takes the
// locks of the data folder and the mouse for the commands that write files or reach the
// mouse, and prints help.
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/words.h"
#include "common/version.h"
#include "platform/linux/executable_path.h"
#include "platform/linux/fsync_durable_sync.h"
#include "platform/linux/instance_lock.h"
#include "profiles/install_folders.h"
#include "profiles/profile_renumbering.h"
#include "record/data_folder.h"

namespace vorlak {
namespace {

constexpr std::string_view kProgramHelp =
    "usage: vorlakctl [--simulate [--simulate-line LINE]...] [--trace] [--data-dir DIR]\n"
    "                 [--wait SECONDS] COMMAND [ARGUMENTS]\n"
    "       vorlakctl --help | --version | COMMAND --help | help COMMAND\n"
    "\n"
    "The command-line twin of the Vorlak window: it shows and edits the current profile's\n"
    "files with the window's rules, and `apply` writes them to the mouse.\n"
    "\n"
    "Options (before the command):\n"
    "  --simulate       use the built-in simulated mouse (status, apply, events)\n"
    "  --simulate-line LINE\n"
    "                   a line for the simulated mouse before the command runs, as `events`\n"
    "                   reads them; \"fail N ERROR\" makes the Nth transfer from then on (the\n"
    "                   start-up exchange's included) fail with EIO, EPIPE, ENODEV ...\n"
    "  --trace          print every transfer to and from the mouse (status, apply, events)\n"
    "  --data-dir DIR   the data folder (also VORLAK_DATA_DIR); default: beside the program\n"
    "                   when it holds the data files, else ~/.config/vorlak\n"
    "  --wait SECONDS   wait up to SECONDS for the data folder or the mouse while the window\n"
    "                   or another vorlakctl uses it (default: refuse at once)\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kExitHelp =
    "\n"
    "Edits write the current profile's files as Apply's save does and do not touch the mouse;\n"
    "`vorlakctl apply` sends them. The window holds its data folder and the mouse while it\n"
    "runs, and so does a vorlakctl command while it writes that folder or talks to the mouse:\n"
    "another command that needs the same is refused (or waits, with --wait), with the holder\n"
    "named. Commands that only read run at any time, except over a renumbering of the profiles\n"
    "that a killed run left half done: the first command finishes it, holding the folder.\n"
    "A profile is named by its name or by its number in `profile list`; a word of digits is\n"
    "always the number.\n"
    "\n"
    "Exit status: 0 success, 1 no mouse found, 2 usage error or a value refused, 3 a data\n"
    "file could not be read or written, 4 the data folder or the mouse is in use by the\n"
    "window or another vorlakctl (the message names it), 5 the mouse did not take the\n"
    "settings or did not answer (apply saved them all the same).\n";

std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (auto group : {MouseCommands(), ShowCommands(), SettingsCommands(), AssignCommands(),
                       ProfileCommands(), MacroCommands(), ResetCommands()}) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = AllCommands();
    return commands;
}

// The command the first words name: two words for the groups (profile list, macro set ...),
// one for the others. Null when none.
const Command* FindCommand(CommandArgs words, std::size_t& used) {
    for (const Command& command : Commands()) {
        const bool pair = command.name.find(' ') != std::string_view::npos;
        if (pair && words.size() >= 2 && command.name == words[0] + " " + words[1]) {
            used = 2;
            return &command;
        }
        if (!pair && !words.empty() && command.name == words[0]) {
            used = 1;
            return &command;
        }
    }
    return nullptr;
}

// The commands of a group ("profile", "macro").
std::vector<const Command*> Group(std::string_view word) {
    std::vector<const Command*> group;
    for (const Command& command : Commands()) {
        if (command.name.starts_with(std::string(word) + " "))
            group.push_back(&command);
    }
    return group;
}

void PrintProgramHelp() {
    std::cout << kProgramHelp;
    for (const Command& command : Commands()) {
        std::string head = std::string(command.name) + " " + std::string(command.usage);
        if (head.size() > 30)
            std::cout << "  " << head << "\n" << std::string(33, ' ') << command.summary << "\n";
        else
            std::cout << "  " << head << std::string(31 - head.size(), ' ') << command.summary
                      << "\n";
    }
    std::cout << kExitHelp;
}

void PrintCommandHelp(const Command& command) {
    std::cout << "usage: vorlakctl " << command.name << " " << command.usage << "\n\n"
              << command.details << "\n";
    if (command.access != Access::Reads) {
        std::cout << "\nRefused (exit status 4) while the Vorlak window or another vorlakctl uses "
                  << (command.access == Access::WritesFiles ? "the data folder"
                      : command.access == Access::Applies   ? "the mouse or the data folder"
                                                            : "the mouse")
                  << "; --wait SECONDS waits for it.\n";
    }
}

// Help for the command the words name, or for every command of a group.
void PrintHelpFor(CommandArgs words) {
    std::size_t used = 0;
    if (const Command* command = FindCommand(words, used)) {
        PrintCommandHelp(*command);
        return;
    }
    const std::vector<const Command*> group = Group(words.empty() ? "" : words[0]);
    if (words.empty() || group.empty())
        ThrowUsage("unknown command \"" + (words.empty() ? std::string() : CutText(words[0])) +
                   "\"; vorlakctl --help lists the commands");
    for (const Command* command : group) {
        PrintCommandHelp(*command);
        std::cout << "\n";
    }
}

// An option of vorlakctl itself written after the command: the message says where it goes,
// rather than taking it for a value the command refuses.
void RefuseProgramOptions(const Command& command, CommandArgs args) {
    for (const std::string& word : args) {
        const std::string option = word.substr(0, word.find('='));
        const bool valued =
            option == "--data-dir" || option == "--wait" || option == "--simulate-line";
        if (!valued && option != "--simulate" && option != "--trace")
            continue;
        std::string message = std::string(command.name) + " knows no option " + option +
                              "; the options of vorlakctl go before the command: vorlakctl " +
                              option + (valued ? " ..." : "") + " " + std::string(command.name) +
                              " ...";
        if (!valued && command.access != Access::ReachesMouse && command.access != Access::Applies)
            message += " (" + option + " is for status, apply and events)";
        ThrowUsage(message);
    }
}

// The program's options come before the command; everything after it is the command's.
Options ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::string_view(argv[i]).starts_with("--"); ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--simulate-line" || arg.starts_with("--simulate-line=")) {
            if (arg == "--simulate-line" && ++i == argc)
                ThrowUsage("--simulate-line needs a line for the simulated mouse");
            options.simulatedLines.emplace_back(arg == "--simulate-line" ? argv[i]
                                                                         : arg.substr(16));
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--data-dir" || arg.starts_with("--data-dir=")) {
            if (arg == "--data-dir" && ++i == argc)
                ThrowUsage("--data-dir needs a folder");
            options.dataDir = UserPath(arg == "--data-dir" ? argv[i] : arg.substr(11));
        } else if (arg == "--wait" || arg.starts_with("--wait=")) {
            if (arg == "--wait" && ++i == argc)
                ThrowUsage("--wait needs a number of seconds");
            options.wait = std::chrono::seconds(
                ParseNumber(arg == "--wait" ? std::string_view(argv[i]) : arg.substr(7),
                            "the seconds of --wait", 0, 86400));
        } else if (arg == "--help" || arg == "--version") {
            options.command.emplace_back(arg);
        } else {
            ThrowUsage("unknown option " + CutText(arg) + "; vorlakctl --help lists them");
        }
    }
    options.command.insert(options.command.end(), argv + i, argv + argc);
    return options;
}

// A renumbering that a kill left half done is finished first, by the one writer, before the
// command reads anything; where it cannot be finished the command refuses. The leftovers of
// writes that never finished are cleared.
void FinishRenumbering(const std::filesystem::path& folder) {
    const RecoveryResult recovery = RecoverProfileCommit(folder);
    if (recovery.state == RecoveryResult::State::Unfinished) {
        ThrowDataFile(
            "the profiles were being renumbered and the renumbering cannot be finished (" +
            recovery.error + "); no profile is read or changed until it is");
    }
    if (recovery.state == RecoveryResult::State::Finished)
        std::cerr << "vorlakctl: finished renumbering the profiles, which an earlier run had "
                     "left half done\n";
}

// Takes the lock name of what (the data folder, the mouse) for command, or refuses it naming
// the holder. A lock file that cannot be made does not keep the user from the command.
std::unique_ptr<InstanceLock> Take(const std::string& name, const std::string& what,
                                   const Command& command, const Options& options) {
    const std::string holder =
        "vorlakctl " + std::string(command.name) + " (process " + std::to_string(getpid()) + ")";
    auto lock =
        std::make_unique<InstanceLock>(InstanceLock::DefaultFolder(), name, holder, options.wait);
    if (lock->Status() != InstanceLock::State::HeldElsewhere)
        return lock;
    const std::string& by = lock->Holder();
    std::string advice =
        by.starts_with("the Vorlak window") ? "end the window from its tray icon's Exit; " : "";
    advice += options.wait.count()
                  ? "it still held it after " + std::to_string(options.wait.count()) + " s"
                  : "vorlakctl --wait SECONDS waits for it";
    throw CliError{kExitBusy, what + " is in use by " +
                                  (by.empty() ? std::string("another Vorlak program") : by) + "; " +
                                  std::string(command.name) + " was not run (" + advice + ")"};
}

// The locks of what the command shares with the window and other vorlakctl runs: the data
// folder for its writers, the mouse for the commands that talk to it (the simulated mouse is
// this process's own). Taken before the command reads anything.
int Locked(const Command& command, Session& session, const Options& options, CommandArgs args) {
    const std::filesystem::path& folder = session.Controller().Files().Folder().Folder();
    std::string named = folder.string();  // without the separator the folder's path ends with
    while (named.size() > 1 && named.back() == '/')
        named.pop_back();
    std::unique_ptr<InstanceLock> mouse, data;
    const bool writes = command.access == Access::WritesFiles || command.access == Access::Applies;
    const bool talks = command.access == Access::ReachesMouse || command.access == Access::Applies;
    // A command that only reads runs beside a writer, unless a renumbering is unfinished: then
    // it too holds the folder first, to finish it before it reads anything.
    const bool holdsFolder = writes || session.Controller().Files().RenumberingUnfinished();
    if (talks && !options.simulate)
        mouse = Take(kMouseLockName, "the mouse", command, options);
    if (holdsFolder) {
        data = Take(DataFolderLockName(folder), "the data folder " + named, command, options);
        FinishRenumbering(folder);
    }
    return command.run(session, args);
}

int Run(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    const std::vector<std::string>& words = options.command;
    if (words.empty())
        ThrowUsage("no command given; vorlakctl --help lists the commands");
    if (words[0] == "--help") {
        PrintProgramHelp();
        return kExitSuccess;
    }
    if (words[0] == "--version") {
        std::cout << "vorlakctl " << kVorlakVersion << "\n";
        return kExitSuccess;
    }
    const CommandArgs all(words);
    if (words[0] == "help") {
        if (words.size() == 1)
            PrintProgramHelp();
        else
            PrintHelpFor(all.subspan(1));
        return kExitSuccess;
    }
    if (std::find(words.begin(), words.end(), "--help") != words.end()) {
        PrintHelpFor(all.first(static_cast<std::size_t>(
            std::find(words.begin(), words.end(), "--help") - words.begin())));
        return kExitSuccess;
    }
    std::size_t used = 0;
    const Command* command = FindCommand(all, used);
    if (!command) {
        if (!Group(words[0]).empty()) {
            std::string actions;
            for (const Command* c : Group(words[0]))
                actions += (actions.empty() ? "" : ", ") +
                           std::string(c->name.substr(words[0].size() + 1));
            ThrowUsage(words[0] + " needs one of " + actions +
                       (words.size() > 1 ? ", not \"" + CutText(words[1]) + "\"" : std::string()));
        }
        ThrowUsage("unknown command \"" + CutText(words[0]) +
                   "\"; vorlakctl --help lists the commands");
    }
    const CommandArgs args = all.subspan(used);
    RefuseProgramOptions(*command, args);
    if (!options.simulatedLines.empty() && !options.simulate)
        ThrowUsage("--simulate-line is for the simulated mouse: give --simulate too");
    if ((options.simulate || options.trace) && command->access != Access::ReachesMouse &&
        command->access != Access::Applies) {
        ThrowUsage(std::string(options.trace ? "--trace" : "--simulate") +
                   " is for the commands that reach the mouse (status, apply, events), not " +
                   std::string(command->name));
    }
    const RunFolders folders =
        ChooseRunFolders(options.dataDir, ComputeProgramFolder(CurrentExecutablePath()));
    // A folder given by name is made only by a command that writes, which says so: a typing
    // slip must not leave a new folder behind. The user's own folder is seeded on first use.
    const bool given = std::string_view(folders.dataKind) == "given";
    const DataFolderReady ready = PrepareDataFolder(
        folders.data.Folder(), folders.defaults,
        given && command->access == Access::Reads ? DataFolderUse::Read : DataFolderUse::Write);
    if (ready.created)
        std::cerr << "vorlakctl: created the data folder " << folders.data.Folder().string()
                  << " with the default data files\n";
    if (ready.problem) {
        const bool missing = ready.problem->step == DataFolderProblem::Step::Missing;
        std::cerr << "vorlakctl: " << ready.problem->Describe()
                  << (missing ? " (a command that changes something creates it)" : "") << "\n";
    }
    Session session(options, folders.data);
    return Locked(*command, session, options, args);
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    vorlak::InstallFsyncDurableSync();
    try {
        return vorlak::Run(argc, argv);
    } catch (const vorlak::CliError& error) {
        std::cerr << "vorlakctl: " << error.message << "\n";
        if (error.status == vorlak::kExitUsage && error.message.find("--help") == std::string::npos)
            std::cerr << "(vorlakctl --help, or vorlakctl COMMAND --help, says more)\n";
        return error.status;
    }
}
