// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the window, the tray and the desktop's pointer settings for tests of the controller
// and the window: calls go into one log, so their order shows.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_view.h"
#include "app/pointer_settings.h"
#include "app/tray_icon.h"

namespace vorlak {

struct CallLog {
    std::vector<std::string> calls;
    bool Has(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
    std::ptrdiff_t IndexOf(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    }
};

struct FakeTray : TrayIcon {
    explicit FakeTray(CallLog& callLog) : log(callLog) {}
    void AddTrayIcon(const std::string& tooltip) override { log.calls.push_back("add " + tooltip); }
    void RemoveTrayIcon() override { log.calls.push_back("remove"); }
    void ShowNotice(const std::string& text, const std::string& title, int ms) override {
        log.calls.push_back(title + ": " + text + " (" + std::to_string(ms) + ")");
    }
    CallLog& log;
};

// The window: its calls in the log, the texts of the Apply steps it was shown apart.
struct FakeView : MainView {
    explicit FakeView(CallLog& callLog) : log(callLog) {}
    void HideToTray() override { log.calls.push_back("hide"); }
    void ShowFromTray() override { log.calls.push_back("show"); }
    void ShowRecord() override { log.calls.push_back("record"); }
    void SetBusy(bool busy) override { log.calls.push_back(busy ? "busy" : "idle"); }
    void ShowApplyProgress(const ApplyProgressStep& step) override { steps.push_back(step.text); }
    void ShowApplyOutcome(const ApplyReport& report) override {
        log.calls.push_back((report.problem ? "warning " : "note ") + report.text);
    }
    void CloseProfileManager() override { log.calls.push_back("close manager"); }
    void ShowDataProblem(const std::string& text) override {
        log.calls.push_back("problem " + text);
    }
    CallLog& log;
    std::vector<std::string> steps;
};

struct FakePointerSettings : PointerSettings {
    bool SetMouseAcceleration(int, int, int) override { return ++calls, true; }
    bool SetMouseSpeed(int) override { return true; }
    bool SetWheelScrollLines(std::uint32_t) override { return true; }
    bool SetDoubleClickTime(int) override { return true; }
    int calls = 0;
};

}  // namespace vorlak
