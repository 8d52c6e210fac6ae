// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/session.h"

#include <cstdlib>

#include "controller/data_problem.h"
#include "controller/profile_notices.h"
#include "device/simulated_mouse_script.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

// "<file> <why>", in the words of the window's own message.
std::string ProblemText(const DataProblem& problem) {
    const DataProblemTexts texts = DataProblemTextsFor("EN");
    const std::string_view reasons[] = {texts.missing, texts.noAccess, texts.shortRecord,
                                        texts.noProfile};
    return problem.path.string() + " " + std::string(reasons[static_cast<int>(problem.reason)]);
}

}  // namespace

Session::Session(const Options& options, DataFolder folder)
    : devices_(options.simulate),
      controller_(ControllerParts{store_, *devices_.backend, pointerSettings_, queue_, tray_, view_,
                                  std::move(folder), RealSleeper(),
                                  KeptImageFileIn(std::getenv("XDG_RUNTIME_DIR"), options.simulate),
                                  /*keepImageAtStart=*/true}) {
    if (options.trace)
        controller_.SetTrace([](const Transfer& t) { std::cout << FormatTransfer(t) << "\n"; });
    for (const std::string& line : options.simulatedLines) {
        std::string reply;
        if (!RunSimulatedMouseLine(*devices_.simulated, line, reply))
            ThrowUsage(reply);
        std::cout << reply;
    }
}

void Session::LoadDataFolder() {
    controller_.LoadData();
    const ProfileFiles& files = controller_.Files();
    // Reached only beside a writer that holds the folder: the files are half renumbered.
    if (files.RenumberingUnfinished())
        ThrowDataFile(
            UnfinishedRenumberingText(controller_.RenumberingProblem(), kLanguageEnglish));
    const std::optional<DataProblem> problem = FindDataProblem(files);
    if (!problem || problem->path == files.ConfigFilePath())
        return;
    std::string advice =
        "; fix it, or start afresh: a data folder that is missing or empty is "
        "filled with the default files";
    if (problem->reason == DataProblem::Reason::NoAccess)
        advice = "; give it back to this user (read and write permission)";
    ThrowDataFile("no current profile could be read from " + files.Folder().Folder().string() +
                  ": " + ProblemText(*problem) + advice);
}

void Session::LoadCurrentProfile() {
    LoadDataFolder();
    const ProfileFiles& files = controller_.Files();
    if (const std::string repaired =
            RepairedFieldsText(files.ConfigFilePath(), files.Repaired(), kLanguageEnglish);
        !repaired.empty())
        std::cerr << "vorlakctl: " << repaired << "\n";
    const std::optional<DataProblem> problem = FindDataProblem(files);
    if (!problem)
        return;
    const std::string number = std::to_string(controller_.Store().currentProfileIndex + 1);
    if (problem->reason == DataProblem::Reason::NoAccess) {
        ThrowDataFile(ProblemText(*problem) +
                      "; give it back to this user (read and write permission)");
    }
    const std::string reset =
        "vorlakctl reset writes the defaults into profile " + number + " (its macros stay)";
    if (!controller_.ProfileLoaded())
        ThrowDataFile(ProblemText(*problem) + "; " + reset);
    // A short record reads as far as it goes, the rest keeps the defaults.
    std::cerr << "vorlakctl: " << ProblemText(*problem) << "; what it lacks shows the defaults ("
              << reset << ")\n";
}

void Session::SaveCurrentProfile(RecordFileRule rule) {
    const ProfileSaveResult result = controller_.SaveProfile(rule);
    if (!result.Whole())
        ThrowDataFile(SaveProblemText(result, kLanguageEnglish));
}

int Session::EditCurrentProfile(const std::function<bool(MainController&)>& edit) {
    LoadCurrentProfile();
    if (edit(controller_))
        SaveCurrentProfile();
    return kExitSuccess;
}

}  // namespace vorlak
