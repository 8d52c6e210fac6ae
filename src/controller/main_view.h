// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the controller drives it.
#pragma once

#include <string>

#include "controller/apply_report.h"
#include "controller/pointer_notice.h"

namespace vorlak {

class MainView {
public:
    virtual ~MainView() = default;
    // Hides the window and takes it off the task bar (the tray icon is not touched).
    virtual void HideToTray() = 0;
    // The window's part of opening it from the tray: size and centre it, collapse the
    // sections, show the record, put it on the task bar, show it and bring it to the front.
    virtual void ShowFromTray() = 0;
    // Shows the record: places the X/Y sliders, shows the labels, refreshes the panels.
    virtual void ShowRecord() = 0;
    // The wait state of a running write to the mouse: no input, a progress indication.
    virtual void SetBusy(bool busy) = 0;
    virtual void ShowApplyProgress(const ApplyProgressStep& step) = 0;
    // The end of a write to the mouse: what was sent and saved, in the user's language; a
    // problem (the mouse did not take it, the files were not saved) is a warning.
    virtual void ShowApplyOutcome(const ApplyReport& report) = 0;
    // Destroys the profile manager window and shows the controls it covered.
    virtual void CloseProfileManager() = 0;
    // Tells the user that a data file or folder could not be read (which and why), or that
    // Apply sent nothing for that reason.
    virtual void ShowDataProblem(const std::string& text) = 0;
    // Tells the user, after Apply, which pointer settings the desktop kept as they were.
    virtual void ShowPointerNotice(const PointerNotice& notice) = 0;
};

}  // namespace vorlak
