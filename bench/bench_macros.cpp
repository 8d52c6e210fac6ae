// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager's figures: opening it until its first paint, a key pressed during a
// recording until its text is in the event list, and OK with twelve full macros (write,
// encode). Also the longest stall of the event loop across all of it and among edits that
// each write the store, measured by a 5 ms heartbeat. Prints min / median / max in milliseconds.
// Needs an X server (scripts/bench.sh starts Xvfb).
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/file_writes.h"
#include "common/write_queue.h"
#include "macro/macro_store.h"
#include "macro/ui/macro_manager_dialog.h"
#include "platform/linux/fsync_durable_sync.h"

namespace vorlak {
namespace {

constexpr int kRuns = 30;

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s min %7.2f  median %7.2f  max %7.2f ms  (%zu runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

// The keyboard of the benchmark: keys go to the recorder when the benchmark says.
class BenchCapture : public KeyCapture {
public:
    void Start(KeyHandler onKey, FailureHandler) override { onKey_ = std::move(onKey); }
    void Stop() override { onKey_ = {}; }
    void Key(int virtualKey, int flags) const {
        if (onKey_)
            onKey_({virtualKey, flags});
    }

private:
    KeyHandler onKey_;
};

// Twelve macros of 62 recorded keys with a delay between each two.
void WriteFullStore(const std::filesystem::path& path) {
    std::filesystem::remove(path);
    MacroStore store(path, [](std::chrono::milliseconds) {});
    std::vector<std::string> names;
    for (int m = 0; m < kMacroSlots; ++m) {
        names.push_back("Macro_" + std::to_string(m + 1));
        std::vector<std::string> events;
        for (int k = 0; k < kMaxRecordedEvents; ++k) {
            if (k > 0)
                events.push_back(std::to_string(20 + k) + " ms");
            events.push_back(std::string(1, static_cast<char>('A' + k / 2 % 26)) +
                             (k % 2 == 0 ? "   Dn" : "   Up"));
        }
        store.Write({names, {}, NamedMacro{names.back(), {"1", "3", events}}});
    }
}

// The longest gap between two ticks of a 5 ms timer while it runs.
class Heartbeat : public QObject {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            const double gap = clock_.nsecsElapsed() / 1e6;
            longest_ = std::max(longest_, gap);
            phaseLongest_ = std::max(phaseLongest_, gap);
            clock_.restart();
        });
        clock_.start();
        timer_.start(5);
    }
    double Longest() const { return longest_; }
    // The longest gap since BeginPhase.
    double PhaseLongest() const { return phaseLongest_; }
    void BeginPhase() {
        clock_.restart();
        phaseLongest_ = 0;
    }
    // The benchmark's own set-up (writing the store) is no stall of the manager.
    void Skip() { clock_.restart(); }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    double longest_ = 0;
    double phaseLongest_ = 0;
};

void Spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    double ms = -1;
    QEventLoop loop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<MacroManagerDialog*>(watched) &&
            ms < 0) {
            ms = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
        return false;
    }
};

struct Figures {
    std::vector<double> opening, key, ok, editStall, edit;
};

// Edits as a user makes them, 10 ms apart, each written to the store: the loop count typed,
// delays inserted and deleted. Each edit's time on the UI thread, and the longest stall of
// the event loop among them.
double EditStall(MacroManagerDialog& dialog, Heartbeat& heartbeat, std::vector<double>& edits) {
    MacroManager& manager = *dialog.Manager();
    manager.SelectMacro(1);
    Spin(10);
    heartbeat.BeginPhase();
    auto timed = [&edits](const std::function<void()>& edit) {
        QElapsedTimer clock;
        clock.start();
        edit();
        edits.push_back(clock.nsecsElapsed() / 1e6);
        Spin(10);
    };
    for (int i = 0; i < 10; ++i) {
        timed([&] { manager.SetLoopField(std::to_string(2 + i)); });
        timed([&] {
            manager.SelectEvent(1);
            manager.InsertDelay();
        });
        timed([&] {
            manager.SelectEvent(1);
            manager.DeleteEvent();
        });
    }
    return heartbeat.PhaseLongest();
}

void Measure(const std::filesystem::path& store, QWidget& window, Heartbeat& heartbeat,
             Figures& figures) {
    MacroRows staging{};
    FirstPaint probe;
    qApp->installEventFilter(&probe);
    probe.clock.start();
    BenchCapture* capture = nullptr;
    // The store's writes on a writer thread, as the window makes them.
    WriteQueue queue;
    QueuedFileWrites writes(queue, [](std::function<void()> task) {
        QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
    });
    auto* dialog = new MacroManagerDialog(
        VORLAK_BIN_DIR, "EN", store, staging,
        [&capture](QWidget&) {
            auto made = std::make_unique<BenchCapture>();
            capture = made.get();
            return made;
        },
        writes, &window);
    dialog->show();
    QTimer::singleShot(2000, &probe.loop, &QEventLoop::quit);
    probe.loop.exec();
    qApp->removeEventFilter(&probe);
    figures.opening.push_back(probe.ms);

    // A recording of keys, each timed until its text is the list's last entry.
    dialog->Manager()->RecordButton();
    QListWidget& events = *dialog->EventList();
    for (int k = 0; k < 20; ++k) {
        const int before = events.count();
        QElapsedTimer clock;
        clock.start();
        capture->Key('A' + k % 26, k % 2 == 0 ? 0 : KeyFlagRelease);
        while (events.count() == before)
            QCoreApplication::processEvents();
        figures.key.push_back(clock.nsecsElapsed() / 1e6);
    }
    dialog->Manager()->RecordButton();
    figures.editStall.push_back(EditStall(*dialog, heartbeat, figures.edit));
    dialog->Manager()->SelectMacro(0);
    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    dialog->Manager()->Ok([&ended](std::optional<MacroManagerResult>) { ended = true; });
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figures.ok.push_back(clock.nsecsElapsed() / 1e6);
    delete dialog;
    Spin(20);
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    vorlak::InstallFsyncDurableSync();
    QApplication app(argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("vorlak-bench-macros-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path store = folder / "record.ini";
    QWidget window;
    window.resize(1000, 640);
    window.show();
    vorlak::Spin(300);
    vorlak::Heartbeat heartbeat;
    vorlak::Figures figures;
    for (int run = 0; run < vorlak::kRuns; ++run) {
        vorlak::WriteFullStore(store);
        heartbeat.Skip();
        vorlak::Measure(store, window, heartbeat, figures);
    }
    vorlak::Report("macro manager: open to first paint (12 full macros)", figures.opening);
    vorlak::Report("macro manager: recorded key to its text in the list", figures.key);
    vorlak::Report("macro manager: OK with twelve full macros", figures.ok);
    vorlak::Report("macro manager: one store edit on the UI thread", figures.edit);
    vorlak::Report("macro manager: longest stall among 30 store edits", figures.editStall);
    std::printf("%-52s %7.2f ms\n", "macro manager: longest event-loop stall", heartbeat.Longest());
    std::filesystem::remove_all(folder);
    return 0;
}
