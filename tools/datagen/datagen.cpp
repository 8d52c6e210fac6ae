// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the default data files into the runnable folder; existing files stay as they are.
#include <cstdio>

#include "common/diagnostics.h"
#include "profiles/default_data_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlak_datagen FOLDER\n");
        return 2;
    }
    vorlak::SetDiagnosticSink([](std::string_view line) {
        std::fprintf(stderr, "vorlak_datagen: %.*s", static_cast<int>(line.size()), line.data());
    });
    return vorlak::WriteDefaultDataFiles(argv[1]) ? 0 : 1;
}
