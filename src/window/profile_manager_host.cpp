// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/profile_manager_host.h"

#include "controller/main_controller.h"
#include "controls/ui_font.h"
#include "profiles/ui/profile_manager_dialog.h"
#include "window/profile_file_dialog.h"

namespace vorlak {

ProfileManagerHost::ProfileManagerHost(QWidget& window, std::filesystem::path programFolder,
                                       MainController& controller)
    : window_(window), programFolder_(std::move(programFolder)), controller_(controller) {}

ProfileManagerHost::~ProfileManagerHost() = default;

bool ProfileManagerHost::Open() {
    if (dialog_ != nullptr ||
        !controller_.OpenProfileManager(controller_.Store().currentProfileIndex))
        return false;
    const std::string& code = controller_.LanguageCode();
    // The manager's own font: Simplified Chinese in "宋体", as on all but one system version.
    // It tracks the entry the controller took (a renumbering finished on opening may move it).
    dialog_ = new ProfileManagerDialog(programFolder_, controller_.Files().ProfileListPath(), code,
                                       FaceFont(ProfileManagerFont(code, false)),
                                       controller_.Store().selectedProfile, &window_);
    Connect();
    dialog_->move(0, 0);
    dialog_->show();
    dialog_->raise();
    return true;
}

void ProfileManagerHost::Close() {
    delete dialog_;
    dialog_ = nullptr;
}

// The requests run after the handler that sent them has returned, since the file dialog waits
// for the user and the closed manager goes.
void ProfileManagerHost::Connect() {
    // Load and Save: the file dialog, then the controller takes the file chosen.
    auto withFile = [this](ProfileFileAction action, auto take) {
        return [this, action, take] {
            if (auto chosen =
                    ChooseProfileFile(&window_, action, controller_.Files().ConfigFilePath(),
                                      controller_.LanguageCode()))
                take(*chosen);
        };
    };
    using Path = const std::filesystem::path&;
    QObject::connect(dialog_, &ProfileManagerDialog::LoadRequested, &window_,
                     withFile(ProfileFileAction::Load,
                              [this](Path file) { controller_.ImportChosenProfile(file); }),
                     Qt::QueuedConnection);
    QObject::connect(dialog_, &ProfileManagerDialog::SaveRequested, &window_,
                     withFile(ProfileFileAction::Save,
                              [this](Path file) { controller_.ExportChosenProfile(file); }),
                     Qt::QueuedConnection);
    QObject::connect(
        dialog_, &ProfileManagerDialog::Closed, &window_,
        [this](int current, const std::optional<ProfileList>& list) {
            controller_.ProfileManagerClosed(list, current);
        },
        Qt::QueuedConnection);
}

}  // namespace vorlak
