// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager's figures: opening it over a shown main window until its first paint,
// closing it with a list whose commit renumbers all six profiles (a deleted first entry, a
// copy and a new one), the longest stall of the window's event loop while the controller
// handles that close (from the request until the manager is closed), and a save of the
// current profile (record and labels, flushed). Prints min / median / max in milliseconds.
// The opening needs an X server (scripts/bench.sh starts Xvfb).
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "controller/main_controller.h"
#include "controls/ui_font.h"
#include "device/simulated_mouse.h"
#include "platform/linux/fsync_durable_sync.h"
#include "profiles/default_data_files.h"
#include "profiles/profile_files.h"
#include "profiles/profile_renumbering.h"
#include "profiles/ui/profile_manager_dialog.h"
#include "record/ini_file.h"
#include "window/qt_ui_dispatcher.h"

namespace vorlak {
namespace {

constexpr int kRuns = 50;

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s min %7.2f  median %7.2f  max %7.2f ms  (%zu runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

// Six listed profiles, each with its own record and settings.
void WriteSixProfiles(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    WriteDefaultDataFiles(folder);
    IniFile list = IniFile::Open(folder / kProfileListFile);
    std::vector<ProfileEntry> entries;
    for (int i = 0; i < kProfileSlots; ++i)
        entries.push_back({"Profile " + std::to_string(i + 1), {i, false}});
    ProfileList(entries).WriteTo(list, 0);
    list.Save();
}

std::vector<double> CommitTimes(const std::filesystem::path& folder) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        WriteSixProfiles(folder);
        ProfileList list = ProfileList::Read(IniFile::Open(folder / kProfileListFile));
        list.Delete(0);
        list.Copy(0, "Copy");
        list.Delete(4);
        list.AddNew("Profile");
        QElapsedTimer clock;
        clock.start();
        if (!CommitProfileList(folder, list, 0).ok)
            std::fprintf(stderr, "the commit failed\n");
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    return ms;
}

// The window as the controller drives it: only the manager's close is watched.
struct ClosingView : MainView {
    void HideToTray() override {}
    void ShowFromTray() override {}
    void ShowRecord() override {}
    void SetBusy(bool) override {}
    void ShowApplyProgress(const ApplyProgressStep&) override {}
    void ShowApplyOutcome(const ApplyReport&) override {}
    void CloseProfileManager() override { closed = true; }
    void ShowDataProblem(const std::string& text) override {
        std::fprintf(stderr, "problem: %s\n", text.c_str());
    }
    void ShowPointerNotice(const PointerNotice&) override {}
    bool closed = false;
};

struct NoPointerSettings : PointerSettings {
    std::string DesktopName() const override { return "bench"; }
    PointerResult SetMouseAcceleration(int, int, int) override { return PointerResult::Taken(); }
    PointerResult SetMouseSpeed(int) override { return PointerResult::Taken(); }
    PointerResult SetWheelScrollLines(std::uint32_t) override { return PointerResult::Taken(); }
    PointerResult SetDoubleClickTime(int) override { return PointerResult::Taken(); }
};

struct SilentTray : TrayIcon {
    void AddTrayIcon(const std::string&) override {}
    void RemoveTrayIcon() override {}
    void ShowNotice(const std::string&, const std::string&, int) override {}
};

// The longest gap between two ticks of a 2 ms timer, from Start until Stop.
class Heartbeat : public QObject {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            longest_ = std::max(longest_, clock_.nsecsElapsed() / 1e6);
            clock_.restart();
        });
    }
    void Start() {
        longest_ = 0;
        clock_.start();
        timer_.start(2);
    }
    double Stop() {
        timer_.stop();
        return std::max(longest_, clock_.nsecsElapsed() / 1e6);
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    double longest_ = 0;
};

// The window's event loop while the controller commits a close that renumbers six profiles.
std::vector<double> CloseStalls(const std::filesystem::path& folder) {
    std::vector<double> ms;
    QObject context;
    QtUiDispatcher ui(&context);
    SimulatedMouse mouse;
    NoPointerSettings pointer;
    SilentTray tray;
    Heartbeat heartbeat;
    for (int run = 0; run < kRuns; ++run) {
        WriteSixProfiles(folder);
        ConfigStore store;
        ClosingView view;
        MainController controller(
            ControllerParts{store, mouse, pointer, ui, tray, view, DataFolder(folder)});
        controller.LoadData();
        ProfileList list = ProfileList::Read(IniFile::Open(folder / kProfileListFile));
        list.Delete(0);
        list.Copy(0, "Copy");
        list.Delete(4);
        list.AddNew("Profile");
        controller.OpenProfileManager(0);
        heartbeat.Start();
        QTimer::singleShot(10, &context, [&] { controller.ProfileManagerClosed(list, 0); });
        while (!view.closed)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        ms.push_back(heartbeat.Stop());
    }
    return ms;
}

// A save of the current profile: the record and its labels, flushed to the disk.
std::vector<double> SaveTimes(const std::filesystem::path& folder) {
    WriteSixProfiles(folder);
    ConfigStore store;
    ProfileFiles files(DataFolder(folder), store);
    files.LoadCurrentProfile();
    std::array<std::string, kEntryCount> labels;
    labels.fill("Label");
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!files.SaveProfile(store.currentConfig, "Setting-EN", labels).Whole())
            std::fprintf(stderr, "the save failed\n");
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    return ms;
}

// Stops the clock at the dialog's first paint.
class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    double ms = -1;
    QEventLoop loop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<ProfileManagerDialog*>(watched) &&
            ms < 0) {
            ms = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
        return false;
    }
};

std::vector<double> OpeningTimes(const std::filesystem::path& folder) {
    WriteSixProfiles(folder);
    QWidget window;
    window.resize(1000, 640);
    window.show();
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        FirstPaint probe;
        qApp->installEventFilter(&probe);
        probe.clock.start();
        auto* dialog = new ProfileManagerDialog(VORLAK_BIN_DIR, folder / kProfileListFile, "EN",
                                                UiFont("EN", 13), 0, &window);
        dialog->show();
        QTimer::singleShot(2000, &probe.loop, &QEventLoop::quit);
        probe.loop.exec();
        qApp->removeEventFilter(&probe);
        ms.push_back(probe.ms);
        delete dialog;
    }
    return ms;
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    vorlak::InstallFsyncDurableSync();
    QApplication app(argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("vorlak-bench-profiles-" + std::to_string(getpid()));
    vorlak::Report("profile manager: open to first paint", vorlak::OpeningTimes(folder));
    // The commit's own time is what the close stalled the window for while it ran on the UI
    // thread; through the controller it runs on the disk writer.
    vorlak::Report("profile commit, six profiles renumbered", vorlak::CommitTimes(folder));
    vorlak::Report("profile manager: close, longest event-loop stall", vorlak::CloseStalls(folder));
    vorlak::Report("profile save: record and labels, flushed", vorlak::SaveTimes(folder));
    std::filesystem::remove_all(folder);
    return 0;
}
