// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the largest INI file the program accepts: time and peak memory of IniFile::Open
// on a file of that size, made of blank lines (the most lines per byte) and of macro
// store lines. Each file is read in a child process of its own, so each peak is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "record/ini_file.h"

namespace {

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Read(const char* what, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / "vorlak-bench.ini";
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    const long before = PeakKiB();
    const auto start = std::chrono::steady_clock::now();
    const vorlak::IniFile file = vorlak::IniFile::Open(path);
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("ini read, %s (%zu bytes): %.0f ms, peak memory +%ld KiB%s\n", what, bytes.size(),
                ms.count(), PeakKiB() - before, file.FileExisted() ? "" : " (not read)");
    std::filesystem::remove(path);
}

void Measure(const char* what, const std::string& bytes) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        Read(what, bytes);
        std::fflush(stdout);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

}  // namespace

int main() {
    const std::size_t size = vorlak::IniFile::kMaxFileBytes;
    Measure("blank lines", std::string(size, '\n'));
    std::string store = "[M]\n";
    for (int i = 0; store.size() + 32 < size; ++i)
        store += "Item" + std::to_string(i) + "=A   Dn\n";
    Measure("macro store lines", store);
}
