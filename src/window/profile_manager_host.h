// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager as the main window hosts it: opened over the left column once, its
// requests handed to the controller (Load and Save through the file dialog, Close with the
// edited list), and destroyed when the controller has taken the list.
#pragma once

#include <filesystem>

class QWidget;

namespace vorlak {

class ProfileManagerDialog;
class MainController;

class ProfileManagerHost {
public:
    ProfileManagerHost(QWidget& window, std::filesystem::path programFolder,
                       MainController& controller);
    ~ProfileManagerHost();
    ProfileManagerHost(const ProfileManagerHost&) = delete;
    ProfileManagerHost& operator=(const ProfileManagerHost&) = delete;

    // Opens the manager at the window's top left unless it is open or the controller refuses;
    // true when it opened.
    bool Open();
    // Destroys the manager.
    void Close();
    ProfileManagerDialog* Dialog() const { return dialog_; }

private:
    void Connect();

    QWidget& window_;
    std::filesystem::path programFolder_;
    MainController& controller_;
    ProfileManagerDialog* dialog_ = nullptr;
};

}  // namespace vorlak
