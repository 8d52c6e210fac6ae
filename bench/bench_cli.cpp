// SPDX-License-Identifier: GPL-3.0-or-later
// vorlakctl from start to exit: each command run as a process many times on a data folder of
// its own, without a mouse; prints the median, 90th percentile and slowest run. Goal: an edit
// command and show --json at a median of 20 ms or less.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "profiles/default_data_files.h"

extern char** environ;

namespace {

constexpr int kRuns = 60;

// Runs the program with args, its output thrown away; the wall time in milliseconds.
double RunOnce(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "run failed: %s\n", args.back().c_str());
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Alternates between two argument lists, so every edit changes the record and saves it.
void Measure(const std::string& program, const std::string& dataDir, const char* name,
             std::vector<std::string> a, std::vector<std::string> b) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        std::vector<std::string> args = {"--data-dir", dataDir};
        const auto& words = run % 2 ? b : a;
        args.insert(args.end(), words.begin(), words.end());
        times.push_back(RunOnce(program, args));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %6.1f ms   p90 %6.1f ms   max %6.1f ms   (%d runs)\n", name,
                times[times.size() / 2], times[times.size() * 9 / 10], times.back(), kRuns);
}

}  // namespace

int main() {
    const std::string program = std::string(VORLAK_BIN_DIR) + "/vorlakctl";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vorlak-bench-cli-" + std::to_string(getpid()));
    vorlak::WriteDefaultDataFiles(folder);
    const std::string dir = folder.string();
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);  // an instance lock of its own
    std::printf("vorlakctl, start to exit, no mouse (goal: median <= 20 ms)\n");
    Measure(program, dir, "show", {"show"}, {"show"});
    Measure(program, dir, "show --json", {"show", "--json"}, {"show", "--json"});
    Measure(program, dir, "dpi 2 1200 | 1600", {"dpi", "2", "1200"}, {"dpi", "2", "1600"});
    Measure(program, dir, "polling 1000 | 250", {"polling", "1000"}, {"polling", "250"});
    Measure(program, dir, "assign 4 media mute | back", {"assign", "4", "media", "mute"},
            {"assign", "4", "back"});
    RunOnce(program, {"--data-dir", dir, "macro", "new", "Bench"});
    Measure(program, dir, "macro set (3 | 5 events)",
            {"macro", "set", "Bench", "A Dn", "95 ms", "A Up"},
            {"macro", "set", "Bench", "A Dn", "95 ms", "A Up", "50 ms", "B Dn"});
    std::filesystem::remove_all(folder);
}
