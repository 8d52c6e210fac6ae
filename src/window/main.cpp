// SPDX-License-Identifier: GPL-3.0-or-later
// vorlak [--simulate] [--data-dir DIR] [--help] [--version]: the Vorlak configuration utility.
#include <QApplication>

#include <iostream>

#include "common/version.h"
#include "controller/autostart_entry.h"
#include "platform/linux/fsync_durable_sync.h"
#include "window/application.h"

int main(int argc, char** argv) {
    vorlak::InstallFsyncDurableSync();
    std::string problem;
    std::optional<vorlak::AppOptions> options = vorlak::ParseAppOptions(argc, argv, problem);
    if (!options) {
        std::cerr << "vorlak: " << problem << "\n" << vorlak::kAppHelp;
        return 2;
    }
    if (options->help || options->version) {
        if (options->help)
            std::cout << vorlak::kAppHelp;
        else
            std::cout << "vorlak " << vorlak::kVorlakVersion << "\n";
        return 0;
    }
    QApplication application(argc, argv);
    application.setApplicationName("Vorlak");
    // Ties the windows to the installed desktop entry (its icon and name in the shell).
    QGuiApplication::setDesktopFileName(QString::fromUtf8(vorlak::kDesktopId));
    vorlak::Application app(application, *options);
    app.StartApplication();
    return 0;
}
