// SPDX-License-Identifier: GPL-3.0-or-later
// The tray and the window of vorlakctl: notices become lines on standard output, apply
// progress lines on standard error, and the window's other duties have nothing to do.
#pragma once

#include <iostream>

#include "controller/main_view.h"
#include "controller/tray_icon.h"

namespace vorlak {

class ConsoleTray : public TrayIcon {
public:
    void AddTrayIcon(const std::string&) override {}
    void RemoveTrayIcon() override {}
    void ShowNotice(const std::string& text, const std::string& title, int) override {
        std::cout << title << ": " << text << std::endl;
        ++noticesShown_;
    }
    int NoticesShown() const { return noticesShown_; }

private:
    int noticesShown_ = 0;
};

class ConsoleView : public MainView {
public:
    void HideToTray() override {}
    void ShowFromTray() override {}
    void ShowRecord() override {}
    void SetBusy(bool) override {}
    void ShowApplyProgress(const ApplyProgressStep& step) override {
        std::cerr << "[" << step.step << "/" << step.stepCount << "] " << step.text << "\n";
    }
    // A problem ends the command with its message (apply's exit status); the rest is a line.
    void ShowApplyOutcome(const ApplyReport& report) override {
        if (!report.problem)
            std::cerr << report.text << "\n";
    }
    void CloseProfileManager() override {}
    void ShowDataProblem(const std::string& text) override {
        std::cerr << "vorlakctl: " << text << "\n";
    }
    // One line: the mouse took its settings, so the command still succeeds.
    void ShowPointerNotice(const PointerNotice& notice) override {
        std::cerr << "vorlakctl: " << notice.Text(" ") << "\n";
    }
};

}  // namespace vorlak
