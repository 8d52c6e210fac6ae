// SPDX-License-Identifier: GPL-3.0-or-later
// The folders of a run, portable or installed. A build's runnable folder (and the portable
// layout) keeps the data files and the Skins beside the executable; an installed program
// keeps the user's data files in $XDG_CONFIG_HOME/vorlak and finds the Skins and the default
// data files in the shared folder PROGRAM/../share/vorlak, so that a copy installed into any
// prefix (or a staging root) finds its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "record/data_folder.h"
#include "skin/skin_names.h"

namespace vorlak {

// The shared folder of an installation, relative to the program folder.
inline constexpr std::string_view kSharedFromProgram = "../share/vorlak";
// Inside the shared folder: the default data files that seed a user's data folder.
inline constexpr std::string_view kDefaultsFolderName = "defaults";
// The file whose presence makes a program folder a portable data folder.
inline constexpr std::string_view kPortableMarkerFile = "str.ini";

// The user's configuration folder: $XDG_CONFIG_HOME, or $HOME/.config when XDG_CONFIG_HOME
// is unset, empty or relative. Empty when neither gives an absolute folder.
std::filesystem::path UserConfigHome(const char* xdgConfigHome, const char* home);
// The user's own data folder: "vorlak" in the configuration folder (empty without one).
std::filesystem::path UserDataFolder(const char* xdgConfigHome, const char* home);

struct RunFolders {
    DataFolder data;                 // where the profiles and the macro store are read and written
    std::filesystem::path skinRoot;  // the folder that holds Skins/
    std::filesystem::path defaults;  // installed default data files (may not exist)
    const char* dataKind = "";       // "given", "portable" or "user", for the diagnostic line
};

// The folders of a run. The data folder is --data-dir, else VORLAK_DATA_DIR, else the program
// folder when it holds the data files and can be written, else the user's data folder. The
// skins are beside the program when its Skins folder exists, else in the shared folder.
// Reads VORLAK_DATA_DIR, XDG_CONFIG_HOME and HOME.
RunFolders ChooseRunFolders(const std::optional<std::filesystem::path>& commandLineFolder,
                            const std::filesystem::path& programFolder);

// Why a data folder cannot be used.
struct DataFolderProblem {
    enum class Step { Create, Seed, Read, Write, Missing };
    Step step;
    std::filesystem::path folder;
    std::string reason;  // the system's words, e.g. "Permission denied"

    // One English line for logs and the command line, naming the folder and the reason.
    std::string Describe() const;
};

// What making a data folder ready found and did.
struct [[nodiscard]] DataFolderReady {
    std::optional<DataFolderProblem> problem;
    bool created = false;  // the folder did not exist and was made (and seeded)
};

// What a run does with its data folder.
enum class DataFolderUse {
    Read,   // reads only: a missing folder is not made (Missing), nor is anything written to it
    Write,  // writes: a missing or empty one is made and seeded, and it must be writable
};

// Makes a data folder ready for use: a missing or empty one is created and seeded with the
// default data files (copied from defaultsFolder when it holds them, the rest written by the
// program), never overwriting a file; the folder must be readable, and writable for Write.
// The write check makes and removes a probe of its own name, and clears the probes that runs
// stopped by a kill left behind.
DataFolderReady PrepareDataFolder(const std::filesystem::path& folder,
                                  const std::filesystem::path& defaultsFolder,
                                  DataFolderUse use = DataFolderUse::Write);

}  // namespace vorlak
