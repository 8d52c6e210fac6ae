// vorlakctl: the command-line twin of the Vorlak window.
//   vorlakctl [--data-dir DIR] show [FILE]
// Exit status: 0 success, 2 usage error, 3 a data file could not be read.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/record_description.h"
#include "common/atomic_file.h"
#include "config/data_folder.h"
#include "config/profile_files.h"
#include "macro/macro_store.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitDataFile = 3;

struct Options {
    std::optional<std::filesystem::path> dataDir;
    std::vector<std::string> command;
};

int Usage(std::string_view problem) {
    std::cerr << "vorlakctl: " << problem << "\nusage: vorlakctl [--data-dir DIR] show [FILE]\n";
    return kExitUsage;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--data-dir") {
            if (++i == argc)
                return std::nullopt;
            options.dataDir = argv[i];
        } else if (arg.rfind("--data-dir=", 0) == 0) {
            options.dataDir = std::string(arg.substr(11));
        } else {
            options.command.emplace_back(arg);
        }
    }
    return options;
}

// Reads a record file of any name as the program reads profile records.
std::optional<MouseConfig> ReadRecord(const std::filesystem::path& path) {
    std::optional<std::string> bytes = ReadFileBytes(path, kRecordFileSize);
    if (!bytes || bytes->size() != kRecordFileSize)
        return std::nullopt;
    MouseConfig record;
    std::copy(bytes->begin() + 1, bytes->end(), reinterpret_cast<char*>(record.Bytes().data()));
    return record;
}

int Show(const DataFolder& folder, const std::vector<std::string>& args) {
    ConfigStore store;
    ProfileFiles files(folder, store);
    bool loaded = files.LoadCurrentProfile();
    const std::string code = LoadLanguage(files.ProfileSettingsPath());
    if (args.size() == 2) {
        std::filesystem::path file = args[1];
        if (file.is_relative() && !std::filesystem::exists(file))
            file = folder.ResolveDataPath(args[1]);
        std::optional<MouseConfig> record = ReadRecord(file);
        if (!record) {
            std::cerr << "vorlakctl: " << file.string() << " is not a readable profile record ("
                      << kRecordFileSize << " bytes)\n";
            return kExitDataFile;
        }
        store.currentConfig = *record;
        std::cout << "Record: " << file.string() << "\n";
    } else if (!loaded) {
        std::cerr << "vorlakctl: no current profile could be read from " << folder.Folder().string()
                  << "\n";
        return kExitDataFile;
    } else {
        std::cout << "Profile " << int(store.currentProfileIndex) + 1 << ": "
                  << files.ConfigFilePath().string() << "\n";
    }
    const UiTextTable text = FillTextTable(code);
    MacroStore macros(files.MacroStorePath());
    std::cout << DescribeRecord(store.currentConfig, {text, code, macros.ReadNames()});
    return 0;
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    using namespace vorlak;
    std::optional<Options> options = ParseOptions(argc, argv);
    if (!options)
        return Usage("--data-dir needs a folder");
    const DataFolder folder = DataFolder::Select(options->dataDir, std::getenv("VORLAK_DATA_DIR"),
                                                 CurrentExecutablePath());
    const auto& command = options->command;
    if (command.empty())
        return Usage("no command given");
    if (command[0] == "show" && command.size() <= 2)
        return Show(folder, command);
    return Usage("unknown command or arguments: " + command[0]);
}
