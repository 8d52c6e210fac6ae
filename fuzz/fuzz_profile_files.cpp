// SPDX-License-Identifier: GPL-3.0-or-later
// Profile loading and import on arbitrary files: the input is split into a profile list,
// a record file, a settings file and a macro store, written into a private folder, and read
// the way the program reads them. A record read from the folder is always brought into range;
// an import takes only a record in range.
//
// The folder lies in TMPDIR: scripts/fuzz.sh puts it on a memory file system, where a run
// costs no disk. Each input writes four files; the other numbered records and the import
// are links to them, made once.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "profiles/profile_files.h"
#include "profiles/record_check.h"

namespace {

// The run's private folder, removed when the run ends (a crash leaves it for a look).
class RunFolder {
public:
    RunFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("vorlak-fuzz-profile-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
        for (int n = 1; n < vorlak::kMaxProfiles; ++n)
            Link("config0.bin", vorlak::RecordFileName(n));
        Link("config0.bin", "import.bin");
        Link("str0.ini", "import.ini");
    }
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    void Link(std::string_view target, const std::string& name) const {
        std::error_code ignored;
        std::filesystem::create_symlink(target, path_ / name, ignored);
    }

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
    Write("config0.bin", record);
    Write("str0.ini", settings);
    Write("record.ini", input);

    vorlak::ConfigStore store;
    vorlak::ProfileFiles files(vorlak::DataFolder(Folder()), store);
    const bool loaded = files.LoadCurrentProfile();
    if (store.currentProfileIndex >= vorlak::kMaxProfiles ||
        (loaded && !vorlak::FieldsOutOfRange(store.currentConfig).empty()))
        __builtin_trap();
    files.LoadProfileSettings("Setting-EN");
    const vorlak::ImportOutcome imported =
        files.ImportProfile(Folder() / "import.bin", "Setting-EN");
    if (imported.result == vorlak::ImportResult::Imported &&
        !vorlak::FieldsOutOfRange(store.currentConfig).empty())
        __builtin_trap();
    if (files.LoadProfileSlot(store.currentProfileIndex) &&
        !vorlak::FieldsOutOfRange(store.currentConfig).empty())
        __builtin_trap();
    for (const auto& label : files.Settings().entryLabel) {
        if (label.size() > 4 * 1023)
            __builtin_trap();
    }
    return 0;
}
