// vorlak [--simulate] [--data-dir DIR]: the Vorlak configuration utility.
#include <QApplication>

#include <iostream>

#include "app/ui/kestal_app.h"

int main(int argc, char** argv) {
    std::string problem;
    std::optional<vorlak::AppOptions> options = vorlak::ParseAppOptions(argc, argv, problem);
    if (!options) {
        std::cerr << "vorlak: " << problem << "\nusage: vorlak [--simulate] [--data-dir DIR]\n";
        return 2;
    }
    QApplication application(argc, argv);
    application.setApplicationName("Vorlak");
    vorlak::CKestalApp app(application, *options);
    app.StartApplication();
    return 0;
}
