// SPDX-License-Identifier: GPL-3.0-or-later
// pictures BIN_DIR FOLDER: draws every skinned window, dialog, panel and menu offscreen, in
// each language, from the build's skins into FOLDER/<language>-<what>.png. Two builds' pictures
// compared pixel by pixel (scripts/compare_pictures.sh) show that a change of the code left the
// windows as they were. The data files are the defaults in a temporary folder.
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "assign/ui/key_capture_dialog.h"
#include "common/file_writes.h"
#include "controller/main_controller.h"
#include "controls/scroll_frame.h"
#include "controls/skin_image.h"
#include "controls/skin_menu.h"
#include "controls/ui_font.h"
#include "device/simulated_mouse.h"
#include "macro/macro_store.h"
#include "macro/ui/macro_manager_dialog.h"
#include "macro/ui/macro_picker.h"
#include "panels/settings_column.h"
#include "platform/linux/gsettings_pointer_settings.h"
#include "profiles/default_data_files.h"
#include "profiles/ui/profile_manager_dialog.h"
#include "text/dialog_texts.h"
#include "window/main_window.h"
#include "window/qt_ui_dispatcher.h"
#include "window/splash_screen.h"

namespace vorlak {
namespace {

constexpr const char* kLanguages[] = {"EN", "DE", "CHS", "CHT"};
constexpr const char* kMacros =
    "[MacroName]\nMacroCount=2\n0=Reload\n1=A long macro name that runs past its field\n"
    "[Reload]\nDelayTimeSelStatus=1\nMacroLoopTimes=2\nItemCount=3\n"
    "Item0=R   Dn\nItem1=95 ms\nItem2=R   Up\n";

struct NoTray : TrayIcon {
    void AddTrayIcon(const std::string&) override {}
    void RemoveTrayIcon() override {}
    void ShowNotice(const std::string&, const std::string&, int) override {}
};

class NoKeys : public KeyCapture {
public:
    void Start(KeyHandler, FailureHandler) override {}
    void Stop() override {}
};

class Pictures {
public:
    Pictures(std::filesystem::path bin, QString out) : bin_(std::move(bin)), out_(std::move(out)) {}

    void Save(QWidget& widget, const QString& what) const {
        if (!widget.grab().toImage().save(out_ + "/" + what + ".png"))
            std::cerr << "pictures: cannot write " << what.toStdString() << "\n";
    }

    static void Move(QWidget& widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }

    void Language(const std::string& code) {
        const QString at = QString::fromStdString(code) + "-";
        QTemporaryDir data;
        const std::filesystem::path folder = data.path().toStdString();
        WriteDefaultDataFiles(folder);
        SetLanguage(folder, code);
        std::ofstream(folder / "record.ini") << kMacros;
        MainWindowPictures(folder, at);
        KeyDialogPictures(code, at);
        MacroPickerPictures(folder, code, at);
        MacroManagerPictures(folder, code, at);
        MenuPictures(code, at);
    }

private:
    static void SetLanguage(const std::filesystem::path& folder, const std::string& code) {
        for (const char* name : {"str.ini", "str0.ini"}) {
            std::ifstream in(folder / name);
            std::string text((std::istreambuf_iterator<char>(in)), {});
            const auto lan = text.find("Lan=");
            text.replace(lan + 4, text.find_first_of("\r\n", lan) - lan - 4, code);
            std::ofstream(folder / name) << text;
        }
    }

    void MainWindowPictures(const std::filesystem::path& folder, const QString& at) {
        ConfigStore store;
        SimulatedMouse mouse;
        GSettingsPointerSettings pointer;
        QtUiDispatcher dispatcher(qApp);
        NoTray tray;
        MainWindow window(bin_);
        MainController controller(ControllerParts{store, mouse, pointer, dispatcher, tray, window,
                                                  DataFolder(folder),
                                                  [](std::chrono::milliseconds) {}});
        window.SetController(controller);
        controller.Start();
        window.BuildWindow();
        controller.ShowPresence();
        window.show();
        Save(window, at + "main-closed");
        window.SetAssignmentSectionCollapsed(false);
        window.SetAxisSectionCollapsed(false);
        window.HighlightEntry(2);
        Save(window, at + "main-open");
        window.SetView(MouseView::Side);
        window.HighlightEntry(3);
        Save(window, at + "main-side");
        for (int k = kSectionCount - 1; k >= 0; --k)
            window.SettingsHost()->ToggleSection(k);
        Save(window, at + "main-settings-top");
        for (int i = 0; i < 12; ++i)
            window.SettingsHost()->VerticalScroll(ScrollRequest::LineDown, 0);
        Save(window, at + "main-settings-bottom");
        window.SetBusy(true);
        window.ShowApplyProgress({5, 12, "macro 2 of 12"});
        Save(window, at + "main-busy");
        window.SetBusy(false);
        window.ShowApplyOutcome({false, "The settings were sent and saved."});
        Save(window, at + "main-outcome");
        window.OpenProfileManager();
        Save(window, at + "main-profiles");
        window.CloseProfileManager();
    }

    void KeyDialogPictures(const std::string& code, const QString& at) {
        KeyCaptureDialog dialog(bin_, code, {});
        dialog.SetKeyName("Right Windows");
        dialog.show();
        Save(dialog, at + "key");
        Move(dialog, dialog.ButtonOf(KeyCaptureDialog::kOk).rect.center());
        Save(dialog, at + "key-hover-ok");
        Move(dialog, dialog.ButtonOf(KeyCaptureDialog::kClose).rect.center());
        Save(dialog, at + "key-hover-close");
    }

    void MacroPickerPictures(const std::filesystem::path& folder, const std::string& code,
                             const QString& at) {
        MacroStore store(folder / "record.ini");
        MacroPicker dialog(bin_, code, store);
        dialog.show();
        Save(dialog, at + "picker");
        Move(dialog, dialog.ButtonOf(MacroPicker::kCancel).rect.center());
        Save(dialog, at + "picker-hover-cancel");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(MacroPicker::DropDownArea().center()),
                          dialog.mapToGlobal(QPointF(MacroPicker::DropDownArea().center())),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &press);
        Save(dialog, at + "picker-list");
    }

    void MacroManagerPictures(const std::filesystem::path& folder, const std::string& code,
                              const QString& at) {
        MacroRows staging{};
        ImmediateFileWrites writes;
        MacroManagerDialog dialog(
            bin_, code, folder / "record.ini", staging,
            [](QWidget&) { return std::make_unique<NoKeys>(); }, writes);
        dialog.show();
        Save(dialog, at + "macros");
        Move(dialog, dialog.ButtonOf(MacroManagerDialog::kNew).rect.center());
        Save(dialog, at + "macros-hover-new");
    }

    void MenuPictures(const std::string& code, const QString& at) {
        const UiTextTable text = FillTextTable(code);
        SkinMenu menu(UiFont(code, 12));
        menu.SetWidth(120);
        menu.AppendItem(1001, QString::fromStdString(text.TxtWebAddress));
        menu.AppendItem(1003, "Version:1.0");
        menu.ensurePolished();
        Save(menu, at + "menu");
    }

    std::filesystem::path bin_;
    QString out_;
};

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: pictures BIN_DIR FOLDER\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("GSETTINGS_BACKEND", "memory");
    QApplication application(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    vorlak::Pictures pictures(argv[1], out);
    for (const char* code : vorlak::kLanguages)
        pictures.Language(code);
    vorlak::SplashScreen splash(argv[1]);
    pictures.Save(splash, "splash");
    return 0;
}
