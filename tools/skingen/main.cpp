// SPDX-License-Identifier: GPL-3.0-or-later
// skingen FOLDER            writes the skin images into FOLDER, at scale 1 and 2 (Name@2x.png)
// skingen --preview FOLDER  writes composed previews of the windows into FOLDER
#include "preview.h"
#include "skin_catalogue.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const bool preview = argc == 3 && QString(argv[1]) == "--preview";
    if (argc != 2 && !preview) {
        std::cerr << "usage: skingen FOLDER | skingen --preview FOLDER\n";
        return 2;
    }
    try {
        if (!preview) {
            const skingen::SkinSet once = skingen::BuildSkinSet(1);
            const skingen::SkinSet twice = skingen::BuildSkinSet(2);
            skingen::CheckSameArt(once, twice);
            once.Write(QString::fromLocal8Bit(argv[1]));
            twice.Write(QString::fromLocal8Bit(argv[1]));
            return 0;
        }
        const skingen::SkinSet skins = skingen::BuildSkinSet(1);
        // Sample captions need fonts, and fonts need a GUI application.
        if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        skingen::WritePreviews(skins, QString::fromLocal8Bit(argv[2]));
        return 0;
    } catch (const skingen::ArtError& error) {
        std::cerr << "skingen: " << error.what() << "\n";
        return 1;
    }
}
