// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's figures: time from process start to the splash and to the main
// window, one full repaint of the main window, the longest stall of the event loop during
// an Apply, and CPU, context switches and resident memory over 30 s hidden in the tray.
// Runs under an X server (scripts/bench.sh starts Xvfb). With no arguments it starts itself
// several times and prints min / median / max of each figure.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "controls/skin_button.h"
#include "profiles/default_data_files.h"
#include "window/application.h"
#include "window/main_window.h"
#include "window/splash_screen.h"

namespace vorlak {
namespace {

constexpr int kRuns = 3;
constexpr int kRepaints = 50;
constexpr int kIdleMs = 30000;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

struct Usage {
    double cpuSeconds;
    long switches;
};

Usage CurrentUsage() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {seconds(u.ru_utime) + seconds(u.ru_stime), u.ru_nvcsw + u.ru_nivcsw};
}

// Watches the child's own start-up and then runs the measurements on its main window.
class Probe : public QObject {
public:
    explicit Probe(Application& app) : app_(app) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (!splashSeen_ && qobject_cast<SplashScreen*>(watched)) {
                splashSeen_ = true;
                std::printf("splash %lld\n", NowNs());
            } else if (!windowSeen_ && qobject_cast<MainWindow*>(watched)) {
                windowSeen_ = true;
                std::printf("window %lld\n", NowNs());
                QTimer::singleShot(500, this, [this] { MeasureRepaint(); });
            }
            std::fflush(stdout);
        }
        return false;
    }

private:
    void MeasureRepaint() {
        MainWindow* window = app_.Window();
        std::vector<double> ms;
        for (int i = 0; i < kRepaints; ++i) {
            QElapsedTimer t;
            t.start();
            window->repaint();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("repaint %f\n", ms[ms.size() / 2]);
        MeasureApplyStall();
    }

    void MeasureApplyStall() {
        MainWindow* window = app_.Window();
        auto* ticker = new QTimer(this);
        ticker->setInterval(5);
        auto* clock = new QElapsedTimer;
        clock->start();
        connect(ticker, &QTimer::timeout, this,
                [this, clock] { longestGapMs_ = std::max(longestGapMs_, clock->restart() / 1.0); });
        connect(window, &MainWindow::ApplyEnded, this, [this, ticker, clock] {
            ticker->stop();
            delete clock;
            std::printf("stall %f\n", longestGapMs_ - 5.0);
            std::fflush(stdout);
            MeasureIdle();
        });
        ticker->start();
        window->ApplyButton()->click();
    }

    void MeasureIdle() {
        app_.Window()->CloseButton()->click();
        QTimer::singleShot(1000, this, [this] {
            const Usage before = CurrentUsage();
            QTimer::singleShot(kIdleMs, this, [before] {
                const Usage after = CurrentUsage();
                std::printf("idle-cpu %f\nidle-switches %ld\nrss %f\n",
                            after.cpuSeconds - before.cpuSeconds, after.switches - before.switches,
                            ResidentMb());
                std::fflush(stdout);
                qApp->quit();
            });
        });
    }

    Application& app_;
    bool splashSeen_ = false;
    bool windowSeen_ = false;
    double longestGapMs_ = 0;
};

int Child(int argc, char** argv) {
    QApplication application(argc, argv);
    AppOptions options;
    options.simulate = true;
    options.dataDir = argv[2];
    options.programFolder = argv[3];
    Application app(application, options);
    Probe probe(app);
    application.installEventFilter(&probe);
    return app.StartApplication() ? 0 : 1;
}

// Runs one child and collects its figures; the start times count from just before spawn.
std::map<std::string, double> RunChild(const char* self, const std::string& data,
                                       const std::string& skins) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string childFlag = "--child";
    char* args[] = {const_cast<char*>(self), childFlag.data(), const_cast<char*>(data.c_str()),
                    const_cast<char*>(skins.c_str()), nullptr};
    const long long start = NowNs();
    pid_t pid = 0;
    posix_spawn(&pid, self, &actions, nullptr, args, environ);
    close(out[1]);
    std::map<std::string, double> figures;
    FILE* reader = fdopen(out[0], "r");
    char name[32];
    double value = 0;
    while (std::fscanf(reader, "%31s %lf", name, &value) == 2) {
        const std::string key = name;
        figures[key] = key == "splash" || key == "window" ? (value - start) / 1e6 : value;
    }
    std::fclose(reader);
    waitpid(pid, nullptr, 0);
    return figures;
}

void PrintFigure(const char* label, std::vector<double> values, const char* unit,
                 const char* goal) {
    if (values.empty())
        return;
    std::sort(values.begin(), values.end());
    std::printf("%-34s min %9.3f  median %9.3f  max %9.3f %s  (%s)\n", label, values.front(),
                values[values.size() / 2], values.back(), unit, goal);
}

int Driver(const char* self) {
    const std::string data = std::filesystem::temp_directory_path() / "vorlak-bench-window";
    std::filesystem::remove_all(data);
    WriteDefaultDataFiles(data);
    const std::string skins = VORLAK_BIN_DIR;
    std::map<std::string, std::vector<double>> all;
    for (int run = 0; run < kRuns; ++run) {
        for (const auto& [key, value] : RunChild(self, data, skins))
            all[key].push_back(value);
    }
    std::vector<double> afterSplash;
    for (double w : all["window"])
        afterSplash.push_back(w - SplashScreen::kShowMs);
    std::printf("over %d runs:\n", kRuns);
    PrintFigure("process start -> splash on screen", all["splash"], "ms", "goal < 100 ms");
    PrintFigure("process start -> main window", all["window"], "ms", "splash's 3 s included");
    PrintFigure("main window beyond the splash's 3 s", afterSplash, "ms", "");
    PrintFigure("full repaint of the main window", all["repaint"], "ms", "goal median < 2 ms");
    PrintFigure("longest event-loop stall in Apply", all["stall"], "ms", "goal < 50 ms");
    PrintFigure("CPU in 30 s hidden in the tray", all["idle-cpu"], "s", "goal: none");
    PrintFigure("context switches in 30 s hidden", all["idle-switches"], "", "goal: none");
    PrintFigure("resident memory", all["rss"], "MB", "goal < 50 MB");
    return 0;
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child")
        return vorlak::Child(argc, argv);
    return vorlak::Driver(argv[0]);
}
