// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the window, the tray and the desktop's pointer settings for tests of the controller
// and the window: calls go into one log, so their order shows.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "controller/main_view.h"
#include "controller/pointer_settings.h"
#include "controller/tray_icon.h"

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
    void ShowPointerNotice(const PointerNotice& notice) override {
        log.calls.push_back("pointer " + notice.Text(" "));
    }
    CallLog& log;
    std::vector<std::string> steps;
};

// Takes every setting but the wheel lines while refuseWheel is set.
struct FakePointerSettings : PointerSettings {
    std::string DesktopName() const override { return "Testdesk"; }
    PointerResult SetMouseAcceleration(int, int, int) override {
        ++calls;
        return PointerResult::Taken();
    }
    PointerResult SetMouseSpeed(int) override { return PointerResult::Taken(); }
    PointerResult SetWheelScrollLines(std::uint32_t) override {
        return refuseWheel ? PointerResult::Kept(PointerRefusal::NoSuchSetting)
                           : PointerResult::Taken();
    }
    PointerResult SetDoubleClickTime(int) override { return PointerResult::Taken(); }
    int calls = 0;
    bool refuseWheel = false;
};

}  // namespace vorlak
