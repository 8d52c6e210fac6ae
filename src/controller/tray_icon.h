// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon as the controller drives it.
#pragma once

#include <string>

namespace vorlak {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Adding an icon that is there already, and removing one that is not, do nothing.
    virtual void AddTrayIcon(const std::string& tooltip) = 0;
    virtual void RemoveTrayIcon() = 0;
    // A balloon notice on the icon (the information icon), shown for displayMs.
    virtual void ShowNotice(const std::string& text, const std::string& title, int displayMs) = 0;
};

}  // namespace vorlak
