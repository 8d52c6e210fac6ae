// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment menus' figures on a real X server (scripts/bench.sh starts Xvfb), in the
// program with the simulated mouse: a press on a label box to its menu on screen, "Keyboard
// key" chosen to the keyboard grab held, and a key pressed (XTEST, as a keyboard would) to
// its name shown in the key capture dialog. Prints min / median / max of each.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "assign/ui/key_capture_dialog.h"
#include "common/diagnostics.h"
#include "controls/skin_button.h"
#include "controls/skin_menu.h"
#include "profiles/default_data_files.h"
#include "text/ui_text.h"
#include "window/application.h"
#include "window/main_window.h"

namespace vorlak {
namespace {

constexpr int kMenuRuns = 30;
constexpr int kGrabRuns = 10;
constexpr int kKeysPerDialog = 10;
constexpr int kEntry = 1;      // "Button 2": never the last left click
constexpr int kKeycodeA = 38;  // the A key of a PC keyboard (evdev code 30 + 8)

void PrintFigure(const char* label, std::vector<double> values, const char* goal) {
    if (values.empty()) {
        std::printf("%-36s no figures\n", label);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%-36s min %8.3f  median %8.3f  max %8.3f ms  (%s, %zu runs)\n", label,
                values.front(), values[values.size() / 2], values.back(), goal, values.size());
}

class Bench : public QObject {
public:
    Bench(Application& app, xcb_connection_t* x) : app_(app), x_(x) {
        SetDiagnosticSink([this](std::string_view line) {
            if (line.find("keyboard grabbed") != std::string_view::npos && grabClock_.isValid())
                QMetaObject::invokeMethod(
                    this, [this] { GrabHeld(); }, Qt::QueuedConnection);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        if (!started_ && qobject_cast<MainWindow*>(watched)) {
            started_ = true;
            QTimer::singleShot(500, this, [this] {
                app_.Window()->SetAssignmentSectionCollapsed(false);
                QTimer::singleShot(200, this, [this] { PressBox(); });
            });
        } else if (auto* menu = qobject_cast<SkinMenu*>(watched); menu && menuClock_.isValid()) {
            figures_["menu"].push_back(menuClock_.nsecsElapsed() / 1e6);
            menuClock_.invalidate();
            QTimer::singleShot(20, this, [this, menu] { MenuShown(*menu); });
        }
        return false;
    }

private:
    void PressBox() {
        menuClock_.start();
        app_.Window()->LabelBox(kEntry)->click();  // returns when the menu and dialog have ended
        QTimer::singleShot(50, this, [this] { Next(); });
    }

    void Next() {
        ++runs_;
        if (runs_ < kMenuRuns + kGrabRuns)
            PressBox();
        else
            Finish();
    }

    void MenuShown(SkinMenu& menu) {
        if (runs_ < kMenuRuns) {
            menu.close();
            return;
        }
        const QString item = QString::fromStdString(FillTextTable("EN").TxtFnKeyboardKey);
        for (QAction* action : menu.actions()) {
            if (action->text() == item)
                menu.setActiveAction(action);
        }
        grabClock_.start();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&menu, &enter);
    }

    void GrabHeld() {
        figures_["grab"].push_back(grabClock_.nsecsElapsed() / 1e6);
        grabClock_.invalidate();
        dialog_ = qobject_cast<KeyCaptureDialog*>(QApplication::activeModalWidget());
        if (dialog_ == nullptr)
            return;
        connect(dialog_, &KeyCaptureDialog::KeyShown, this, [this] { KeyShown(); });
        keys_ = 0;
        QTimer::singleShot(20, this, [this] { SendKey(); });
    }

    void SendKey() {
        const bool press = keys_ % 2 == 0;
        keyClock_.start();
        xcb_test_fake_input(x_, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, kKeycodeA,
                            XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(x_);
    }

    void KeyShown() {
        figures_["key"].push_back(keyClock_.nsecsElapsed() / 1e6);
        if (++keys_ < kKeysPerDialog) {
            QTimer::singleShot(10, this, [this] { SendKey(); });
            return;
        }
        disconnect(dialog_, nullptr, this, nullptr);
        dialog_->reject();
    }

    void Finish() {
        PrintFigure("press on a label box -> menu shown", figures_["menu"], "goal median <= 30 ms");
        PrintFigure("\"Keyboard key\" chosen -> grab held", figures_["grab"],
                    "goal median <= 50 ms");
        PrintFigure("key pressed -> its name shown", figures_["key"], "goal median <= 20 ms");
        std::fflush(stdout);
        SetDiagnosticSink(DefaultDiagnosticSink());
        qApp->exit(0);
    }

    Application& app_;
    xcb_connection_t* x_;
    bool started_ = false;
    int runs_ = 0;
    int keys_ = 0;
    KeyCaptureDialog* dialog_ = nullptr;
    QElapsedTimer menuClock_, grabClock_, keyClock_;
    std::map<std::string, std::vector<double>> figures_;
};

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    using namespace vorlak;
    QApplication application(argc, argv);
    const auto data = std::filesystem::temp_directory_path() / "vorlak-bench-assign";
    std::filesystem::remove_all(data);
    WriteDefaultDataFiles(data);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "bench_assign: no X server\n");
        return 1;
    }
    AppOptions options;
    options.simulate = true;
    options.dataDir = data;
    options.programFolder = VORLAK_BIN_DIR;
    Application app(application, options);
    Bench bench(app, x);
    application.installEventFilter(&bench);
    app.StartApplication();
    xcb_disconnect(x);
    std::filesystem::remove_all(data);
    return 0;
}
