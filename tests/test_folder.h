// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace vorlak {

class TestFolder {
public:
    TestFolder() {
        static std::atomic<int> counter = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("vorlak-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path Path(std::string_view name) const { return root_ / name; }

    // Writes bytes to a file of the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        auto path = Path(name);
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    // The whole content of a file of the folder.
    std::string Read(std::string_view name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path root_;
};

}  // namespace vorlak
