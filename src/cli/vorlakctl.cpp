// vorlakctl: the command-line twin of the Vorlak window.
//   vorlakctl [--simulate] [--data-dir DIR] [--trace] status | apply | show [FILE]
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

#include "cli/record_description.h"
#include "common/atomic_file.h"
#include "config/data_folder.h"
#include "config/profile_files.h"
#include "device/device_commands.h"
#include "device/hid_transport.h"
#include "device/simulated_mouse.h"
#include "macro/macro_store.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr int kExitNoMouse = 1;
constexpr int kExitUsage = 2;
constexpr int kExitDataFile = 3;

constexpr std::string_view kUsage =
    "usage: vorlakctl [--simulate] [--data-dir DIR] [--trace] status | apply | show [FILE]";

struct Options {
    bool simulate = false;
    bool trace = false;
    std::optional<std::filesystem::path> dataDir;
    std::vector<std::string> command;
};

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

// The mouse, the configuration store and the profile files of one run.
class Session {
public:
    Session(const Options& options, DataFolder folder)
        : backend_(MakeBackend(options)),
          transport_(*backend_, store_, RealSleeper()),
          commands_(transport_, store_),
          files_(std::move(folder), store_) {
        if (options.trace) {
            transport_.SetTrace([](const Transfer& t) { std::cout << FormatTransfer(t) << "\n"; });
        }
    }

    // The start-up search: the primary identity, then the secondary one.
    bool FindMouse() {
        return transport_.FindDevice(kPrimaryVendorId, kPrimaryProductId) ||
               transport_.FindDevice(kSecondaryVendorId, kSecondaryProductId);
    }
    HidBackend& Backend() { return *backend_; }
    HidTransport& Transport() { return transport_; }
    DeviceCommands& Commands() { return commands_; }
    ProfileFiles& Files() { return files_; }
    ConfigStore& Store() { return store_; }

private:
    static std::unique_ptr<HidBackend> MakeBackend(const Options& options);

    ConfigStore store_;
    std::unique_ptr<HidBackend> backend_;
    HidTransport transport_;
    DeviceCommands commands_;
    ProfileFiles files_;
};

std::unique_ptr<HidBackend> Session::MakeBackend(const Options& options) {
    if (options.simulate)
        return std::make_unique<SimulatedMouse>();
    // The hidraw backend joins here; until then only the simulated mouse is reachable.
    struct NoDevices : HidBackend {
        std::optional<std::vector<HidInterfaceInfo>> Enumerate() override {
            return std::vector<HidInterfaceInfo>{};
        }
        std::unique_ptr<HidHandle> OpenCommand(const std::string&) override { return nullptr; }
        std::unique_ptr<HidHandle> OpenEvent(const std::string&) override { return nullptr; }
    };
    return std::make_unique<NoDevices>();
}

int NoMouse() {
    std::cerr << "vorlakctl: no Vorlak mouse found\n";
    return kExitNoMouse;
}

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

int Status(Session& session) {
    if (!session.FindMouse())
        return NoMouse();
    const auto interfaces = session.Backend().Enumerate().value_or(std::vector<HidInterfaceInfo>{});
    for (const HidInterfaceInfo& info : interfaces) {
        const bool command = info.path == session.Transport().DevicePath();
        const bool event = info.caps.usagePage == 0xFF01 && info.caps.usage == 0xFF01;
        std::cout << (command ? "command" : event ? "event  " : "other  ") << " collection " << info.path
                  << "  identity " << Hex4(info.identity.vendorId) << ":"
                  << Hex4(info.identity.productId) << "  usage " << Hex4(info.caps.usagePage) << "/"
                  << Hex4(info.caps.usage) << "\n";
    }
    std::cout << "event collection: " << (session.Transport().EventOpen() ? "open" : "not open")
              << "\n";
    ClearDeviceImage(session.Store());
    const FirmwareVersion version = session.Commands().ReadFirmwareVersion();
    session.Commands().ReadFunctionOptions();
    const DeviceImage& image = session.Store().deviceImage;
    char line[96];
    std::snprintf(line, sizeof line, "firmware %02X-%02X, function options %02X %02X %02X %02X\n",
                  version[0], version[1], image.functionOption1, image.functionOption2,
                  image.functionOption3, image.functionOption4);
    std::cout << line;
    return 0;
}

int Apply(Session& session) {
    if (!session.FindMouse())
        return NoMouse();
    session.Commands().StartupExchange();
    ProfileFiles& files = session.Files();
    if (!files.LoadCurrentProfile()) {
        std::cerr << "vorlakctl: the current profile could not be read from "
                  << files.Folder().Folder().string() << "\n";
        return kExitDataFile;
    }
    TakeSnapshot(session.Store());
    const UiTextTable text = FillTextTable(LoadLanguage(files.ProfileSettingsPath()));
    files.LoadProfileSettings(text.LabelSection);
    session.Commands().ApplyToMouse(
        files, text.LabelSection, files.Settings().entryLabel, [](const ApplyProgressStep& step) {
            std::cerr << "[" << step.step << "/" << step.stepCount << "] " << step.text << "\n";
        });
    TakeSnapshot(session.Store());
    return 0;
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
    ProfileFiles& files = session.Files();
    ConfigStore& store = session.Store();
    const bool loaded = files.LoadCurrentProfile();
    const std::string code = LoadLanguage(files.ProfileSettingsPath());
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
        store.currentConfig = *record;
        std::cout << "Record: " << file.string() << "\n";
    } else if (!loaded) {
        std::cerr << "vorlakctl: no current profile could be read from "
                  << files.Folder().Folder().string() << "\n";
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
    const auto& command = options->command;
    if (command.empty())
        return Usage("no command given");
    Session session(*options, DataFolder::Select(options->dataDir, std::getenv("VORLAK_DATA_DIR"),
                                                 CurrentExecutablePath()));
    if (command[0] == "show" && command.size() <= 2)
        return Show(session, command);
    if (command.size() == 1 && command[0] == "status")
        return Status(session);
    if (command.size() == 1 && command[0] == "apply")
        return Apply(session);
    return Usage("unknown command or arguments: " + command[0]);
}
