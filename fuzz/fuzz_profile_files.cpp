// SPDX-License-Identifier: GPL-3.0-or-later
// Profile loading and import on arbitrary files: the input is split into a profile list,
// a record file and a settings file, written into a private folder, and read the way the
// program reads them.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "config/profile_files.h"

namespace {

// The run's private folder, removed when the run ends (a crash leaves it for a look).
class RunFolder {
public:
    RunFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("vorlak-fuzz-profile-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& Folder() {
    static const RunFolder folder;
    return folder.Path();
}

void Write(std::string_view name, std::string_view bytes) {
    std::ofstream(Folder() / name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The next part of the input, up to a 0xFF 0x00 separator.
std::string_view NextPart(std::string_view& input) {
    std::size_t end = input.find(std::string_view("\xFF\x00", 2));
    std::string_view part = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 2);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view list = NextPart(input);
    const std::string_view record = NextPart(input);
    const std::string_view settings = NextPart(input);
    Write("str.ini", list);
    for (int n = 0; n < vorlak::kMaxProfiles; ++n)
        Write(vorlak::RecordFileName(n), record);
    Write("str0.ini", settings);
    Write("import.bin", record);
    Write("import.ini", settings);
    Write("record.ini", input);

    vorlak::ConfigStore store;
    vorlak::ProfileFiles files(vorlak::DataFolder(Folder()), store);
    files.LoadCurrentProfile();
    if (store.currentProfileIndex >= vorlak::kMaxProfiles)
        __builtin_trap();
    files.LoadProfileSettings("Setting-EN");
    files.ImportProfile(Folder() / "import.bin", "Setting-EN");
    files.LoadProfileSlot(store.currentProfileIndex);
    for (const auto& label : files.Settings().entryLabel) {
        if (label.size() > 4 * 1023)
            __builtin_trap();
    }
    return 0;
}
