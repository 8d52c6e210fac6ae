// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column's figures: a full repaint of the main window with every section open, one
// wheel notch's scroll with its repaint, a dial click until its repaint; resident memory with
// everything open; and, hidden in the tray with every section open, the CPU time and context
// switches of 10 s (no timer of the scroll bar or the panels may run). Runs the program with
// the simulated mouse under an X server (scripts/bench.sh starts Xvfb); prints min / median /
// max of each timing.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "controls/skin_button.h"
#include "panels/settings_column.h"
#include "panels/speed_dial.h"
#include "profiles/default_data_files.h"
#include "window/application.h"
#include "window/main_window.h"

namespace vorlak {
namespace {

constexpr int kRounds = 200;
constexpr int kIdleMs = 10000;

double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// Milliseconds of each of `rounds` runs of `step` (given the round's number).
std::vector<double> Timed(int rounds, const std::function<void(int)>& step) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        step(i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void Print(const char* label, const std::vector<double>& ms, const char* goal) {
    std::printf("%-40s min %8.3f  median %8.3f  max %8.3f ms  (%s)\n", label, ms.front(),
                ms[ms.size() / 2], ms.back(), goal);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Notes when a widget has painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

void Measure(MainWindow& window) {
    SettingsColumn& host = *window.SettingsHost();
    for (int k = kSectionCount - 1; k >= 0; --k)
        host.Title(k)->click();
    QApplication::processEvents();
    Print("full repaint, every section open", Timed(kRounds, [&](int) { window.repaint(); }),
          "goal median <= 2 ms");

    const QPointF inside(100, 300);
    Print("one wheel notch: scroll and repaint",
          Timed(kRounds,
                [&](int i) {
                    // Down and up in turn, so that every notch moves the column.
                    QWheelEvent wheel(inside, host.mapToGlobal(inside), QPoint(),
                                      QPoint(0, i % 2 == 0 ? -120 : 120), Qt::NoButton,
                                      Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(&host, &wheel);
                }),
          "goal median <= 4 ms");

    host.VerticalScroll(ScrollRequest::ThumbPosition, 380);
    QApplication::processEvents();
    QWidget& dial = *host.Panel(3);
    PaintWatch watch(dial);
    const QPoint ends[] = {SpeedDial::kCentre + QPoint(50, 0), SpeedDial::kCentre + QPoint(-50, 0)};
    Print("dial click until its repaint",
          Timed(kRounds,
                [&](int i) {
                    watch.painted = false;
                    SendMouse(dial, QEvent::MouseButtonPress, ends[i % 2]);
                    SendMouse(dial, QEvent::MouseButtonRelease, ends[i % 2]);
                    while (!watch.painted)
                        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                }),
          "goal median <= 16 ms, one frame");
    std::printf("%-40s %.1f MB  (goal < 50 MB)\n", "resident memory, every section open",
                ResidentMb());
    std::fflush(stdout);

    window.CloseButton()->click();
    QTimer::singleShot(1000, [] {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        QTimer::singleShot(kIdleMs, [before] {
            rusage after{};
            getrusage(RUSAGE_SELF, &after);
            auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
            const double cpu = seconds(after.ru_utime) + seconds(after.ru_stime) -
                               seconds(before.ru_utime) - seconds(before.ru_stime);
            const long switches =
                after.ru_nvcsw + after.ru_nivcsw - before.ru_nvcsw - before.ru_nivcsw;
            std::printf("%-40s %.3f s CPU, %ld context switches  (goal: none)\n",
                        "10 s hidden in the tray, sections open", cpu, switches);
            std::fflush(stdout);
            qApp->quit();
        });
    });
}

// Starts the measurements once the main window has painted for the first time.
class Probe : public QObject {
public:
    explicit Probe(Application& app) : app_(app) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!started_ && event->type() == QEvent::Paint && watched == app_.Window()) {
            started_ = true;
            QTimer::singleShot(500, this, [this] { Measure(*app_.Window()); });
        }
        return false;
    }

private:
    Application& app_;
    bool started_ = false;
};

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    using namespace vorlak;
    QApplication application(argc, argv);
    const std::filesystem::path data =
        std::filesystem::temp_directory_path() / "vorlak-bench-settings";
    std::filesystem::remove_all(data);
    WriteDefaultDataFiles(data);
    AppOptions options;
    options.simulate = true;
    options.dataDir = data;
    options.programFolder = VORLAK_BIN_DIR;
    Application app(application, options);
    Probe probe(app);
    application.installEventFilter(&probe);
    const bool ran = app.StartApplication();
    std::filesystem::remove_all(data);
    return ran ? 0 : 1;
}
