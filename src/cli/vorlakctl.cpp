// vorlakctl: the command-line twin of the Vorlak window.
//   vorlakctl [--simulate] [--data-dir DIR] [--trace] status | apply | show [FILE] | events
// Exit status: 0 success, 1 no mouse found, 2 usage error, 3 a data file could not be
// read or written.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/events_command.h"
#include "cli/record_description.h"
#include "cli/session.h"
#include "common/atomic_file.h"
#include "common/version.h"
#include "config/install_folders.h"
#include "config/profile_files.h"
#include "device/device_commands.h"
#include "device/hid_transport.h"
#include "device/protocol.h"
#include "device/simulated_mouse.h"
#include "macro/macro_store.h"
#include "platform/linux/executable_path.h"
#include "platform/linux/hidraw_backend.h"
#include "platform/linux/instance_lock.h"
#include "record/data_folder.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr std::string_view kUsage =
    "usage: vorlakctl [--simulate] [--data-dir DIR] [--trace] status | apply | show [FILE] | "
    "events";

// The --help text: one line per command, then the options.
constexpr std::string_view kHelp = R"(vorlakctl: the command-line twin of the Vorlak window.

Commands:
  status          find the mouse: its collections, firmware and function options
  apply           the start-up exchange, then write the current profile to the mouse
  show [FILE]     the current profile (or any record file) in words
  events          print the mouse's event reports as notices

Options:
  --simulate      use the built-in simulated mouse (lines on standard input drive it)
  --data-dir DIR  the data folder (also VORLAK_DATA_DIR)
  --trace         print every transfer to and from the mouse
  --help          this text
  --version       the version

Exit status: 0 success, 1 no mouse found, 2 usage error, 3 a data file could not be read
or written. VORLAK_DEBUG=1 prints diagnostic lines, among them the folders chosen.
)";

// --help and --version answer before anything else is looked at; true when one did.
bool AnsweredInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::cout << kUsage << "\n\n" << kHelp;
            return true;
        }
        if (arg == "--version") {
            std::cout << "vorlakctl " << kVorlakVersion << "\n";
            return true;
        }
    }
    return false;
}

int Usage(std::string_view problem) {
    std::cerr << "vorlakctl: " << problem << "\n" << kUsage << "\n";
    return kExitUsage;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--data-dir") {
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

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

int Status(Session& session) {
    if (!session.Controller().FindMouse()) {
        for (const std::string& node : InaccessibleMouseNodes()) {
            std::cerr << "vorlakctl: " << node << " is a Vorlak mouse but cannot be opened: the "
                      << "udev rule is missing (install data/70-vorlak.rules into "
                      << "/etc/udev/rules.d/, then run: udevadm control --reload; "
                      << "udevadm trigger)\n";
        }
        return NoMouse();
    }
    MainController& controller = session.Controller();
    const HidTransport& transport = controller.Transport();
    const auto interfaces =
        session.Hardware().backend->Enumerate().value_or(std::vector<HidInterfaceInfo>{});
    for (const HidInterfaceInfo& info : interfaces) {
        const bool command = info.path == transport.DevicePath();
        const bool event = info.caps.usagePage == kEventUsage && info.caps.usage == kEventUsage;
        std::cout << (command ? "command"
                      : event ? "event  "
                              : "other  ")
                  << " collection " << info.path << "  identity " << Hex4(info.identity.vendorId)
                  << ":" << Hex4(info.identity.productId) << "  usage " << Hex4(info.caps.usagePage)
                  << "/" << Hex4(info.caps.usage) << "\n";
    }
    std::cout << "event collection: " << (transport.EventOpen() ? "open" : "not open") << "\n";
    const MouseReport report = controller.ReadMouseReport();
    const auto& options = report.functionOptions;
    char line[96];
    std::snprintf(line, sizeof line, "firmware %02X-%02X, function options %02X %02X %02X %02X\n",
                  report.version[0], report.version[1], options[0], options[1], options[2],
                  options[3]);
    std::cout << line;
    return 0;
}

// Names the file or folder that could not be read, and why.
void TellDataProblem(const MainController& controller) {
    if (!controller.DataProblemNotice().empty())
        std::cerr << "vorlakctl: " << controller.DataProblemNotice() << "\n";
}

int NoProfile(const MainController& controller) {
    std::cerr << "vorlakctl: no current profile could be read from "
              << controller.Files().Folder().Folder().string() << "\n";
    TellDataProblem(controller);
    return kExitDataFile;
}

// What the window does at start-up with the mouse present, then Apply.
int Apply(Session& session) {
    MainController& controller = session.Controller();
    if (!controller.Start())
        return NoMouse();
    if (!controller.ProfileLoaded())
        return NoProfile(controller);
    controller.ShowPresence();
    bool done = false;
    controller.ApplyFlow([&] { done = true; });
    session.Queue().RunUntil([&] { return done; }, std::chrono::hours(1));
    if (!controller.LastWriteSaved()) {
        std::cerr << "vorlakctl: the settings reached the mouse, but the profile files in "
                  << controller.Files().Folder().Folder().string() << " could not be written\n";
        return kExitDataFile;
    }
    return 0;
}

// Talking to the mouse while the window (or another vorlakctl) does would interleave the
// two command streams: the commands that reach the mouse take the instance lock first.
int WithMouseToOurselves(Session& session, int (*run)(Session&)) {
    InstanceLock lock;
    if (lock.Status() == InstanceLock::State::HeldElsewhere) {
        std::cerr << "vorlakctl: the Vorlak window or another vorlakctl is using the mouse; "
                     "end it first\n";
        return kExitNoMouse;
    }
    return run(session);
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

int Show(Session& session, const std::vector<std::string>& args) {
    MainController& controller = session.Controller();
    controller.LoadData();
    const ProfileFiles& files = controller.Files();
    const std::string& code = controller.LanguageCode();
    if (args.size() == 2) {
        std::filesystem::path file = args[1];
        if (file.is_relative() && !std::filesystem::exists(file)) {
            file = files.Folder().ResolveDataPath(args[1]);
        }
        std::optional<MouseConfig> record = ReadRecord(file);
        if (!record) {
            std::cerr << "vorlakctl: " << file.string() << " is not a readable profile record ("
                      << kRecordFileSize << " bytes)\n";
            return kExitDataFile;
        }
        controller.Editor().Replace(*record, controller.Editor().Labels());
        std::cout << "Record: " << file.string() << "\n";
    } else if (!controller.ProfileLoaded()) {
        return NoProfile(controller);
    } else {
        TellDataProblem(controller);
        std::cout << "Profile " << int(controller.Store().currentProfileIndex) + 1 << ": "
                  << files.ConfigFilePath().string() << "\n";
    }
    MacroStore macros(files.MacroStorePath());
    std::cout << DescribeRecord(controller.Editor().Record(),
                                {controller.Text(), code, macros.ReadNames()});
    return 0;
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    using namespace vorlak;
    if (AnsweredInformation(argc, argv))
        return 0;
    std::optional<Options> options = ParseOptions(argc, argv);
    if (!options)
        return Usage("--data-dir needs a folder");
    const auto& command = options->command;
    if (command.empty())
        return Usage("no command given");
    const RunFolders folders =
        ChooseRunFolders(options->dataDir, ComputeProgramFolder(CurrentExecutablePath()));
    if (std::optional<DataFolderProblem> problem =
            PrepareDataFolder(folders.data.Folder(), folders.defaults)) {
        std::cerr << "vorlakctl: " << problem->Describe() << "\n";
    }
    Session session(*options, folders.data);
    if (command[0] == "show" && command.size() <= 2)
        return Show(session, command);
    using Command = int (*)(Session&);
    const std::pair<std::string_view, Command> mouseCommands[] = {
        {"status", Status}, {"apply", Apply}, {"events", Events}};
    for (const auto& [name, run] : mouseCommands) {
        if (command.size() == 1 && command[0] == name)
            return WithMouseToOurselves(session, run);
    }
    return Usage("unknown command or arguments: " + command[0]);
}
