// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/session.h"

#include <unistd.h>

#include "device/simulated_mouse_script.h"

namespace vorlak {

Session::Session(const Options& options, DataFolder folder)
    : devices_(options.simulate),
      controller_(ControllerParts{store_, *devices_.backend, pointerSettings_, queue_, tray_, view_,
                                  std::move(folder)}) {
    if (options.trace)
        controller_.SetTrace([](const Transfer& t) { std::cout << FormatTransfer(t) << "\n"; });
    for (const std::string& line : options.simulatedLines) {
        std::string reply;
        if (!RunSimulatedMouseLine(*devices_.simulated, line, reply))
            ThrowUsage(reply);
        std::cout << reply;
    }
}

void Session::LoadCurrentProfile() {
    controller_.LoadData();
    if (!controller_.ProfileLoaded()) {
        std::string message = "no current profile could be read from " +
                              controller_.Files().Folder().Folder().string();
        if (!controller_.DataProblemNotice().empty())
            message += ": " + controller_.DataProblemNotice();
        ThrowDataFile(message);
    }
    if (!controller_.DataProblemNotice().empty())
        std::cerr << "vorlakctl: " << controller_.DataProblemNotice() << "\n";
}

void Session::SaveCurrentProfile() {
    if (controller_.SaveProfile())
        return;
    const ProfileFiles& files = controller_.Files();
    for (const std::filesystem::path& path :
         {files.ConfigFilePath(), files.ProfileSettingsPath()}) {
        if (std::string problem = FileProblem(path, W_OK); !problem.empty())
            ThrowDataFile(path.string() + " " + problem + "; the edit was not saved");
    }
    ThrowDataFile("the profile files in " + files.Folder().Folder().string() +
                  " could not be written; the edit was not saved");
}

int Session::EditCurrentProfile(const std::function<bool(MainController&)>& edit) {
    LoadCurrentProfile();
    if (edit(controller_))
        SaveCurrentProfile();
    return kExitSuccess;
}

}  // namespace vorlak
