// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager's figures: opening it over a shown main window until its first paint,
// and closing it with a list whose commit renumbers all six profiles (a deleted first entry,
// a copy and a new one). Prints min / median / max in milliseconds. The opening needs an X
// server (scripts/bench.sh starts Xvfb).
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "config/default_data_files.h"
#include "config/profile_files.h"
#include "config/profile_renumbering.h"
#include "controls/ui_font.h"
#include "panels/config_dialog.h"
#include "platform/linux/fsync_durable_sync.h"
#include "record/ini_file.h"

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
        CommitProfileList(folder, list, 0);
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
        if (event->type() == QEvent::Paint && qobject_cast<CConfigDialog*>(watched) && ms < 0) {
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
        auto* dialog = new CConfigDialog(VORLAK_BIN_DIR, folder / kProfileListFile, "EN",
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
    vorlak::Report("profile manager: close, six profiles renumbered", vorlak::CommitTimes(folder));
    std::filesystem::remove_all(folder);
    return 0;
}
