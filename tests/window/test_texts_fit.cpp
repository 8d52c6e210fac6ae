// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every control fits its box, in the four languages: the windows and dialogs are
// built offscreen as the program builds them, over the artwork and with the fonts the build
// and the desktop give them, and each caption, menu item and fixed text is measured in the
// font it is drawn in (after a caption is made smaller where it may be) against its box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include <fstream>
#include <iostream>
#include <iterator>
#include <set>

#include "assign/assignment_dispatcher.h"
#include "assign/assignment_menu.h"
#include "assign/entry_assignment.h"
#include "assign/ui/assignment_menus.h"
#include "assign/ui/key_capture_dialog.h"
#include "common/file_writes.h"
#include "controller/controller_fakes.h"
#include "controls/pixel_geometry.h"
#include "controls/skin_button.h"
#include "controls/skin_menu.h"
#include "controls/ui_font.h"
#include "device/simulated_mouse.h"
#include "keys/key_table.h"
#include "macro/macro_store.h"
#include "macro/ui/macro_manager_dialog.h"
#include "macro/ui/macro_picker.h"
#include "profiles/default_data_files.h"
#include "skin/lighting_panel_layout.h"
#include "skin/macro_manager_layout.h"
#include "skin/profile_manager_layout.h"
#include "skin/speed_dial_layout.h"
#include "skin/wheel_panel_layout.h"
#include "test_folder.h"
#include "text/dialog_texts.h"
#include "window/main_window.h"
#include "window/qt_ui_dispatcher.h"

namespace vorlak {
namespace {

const std::filesystem::path kBin = VORLAK_BIN_DIR;
namespace dial = layout::speed_dial;
namespace wheel = layout::wheel_panel;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class NoKeys : public KeyCapture {
public:
    void Start(KeyHandler, FailureHandler) override {}
    void Stop() override {}
};

// The texts that do not fit, each with where it is and by how much.
class Clipped {
public:
    explicit Clipped(std::string language) : language_(std::move(language)) {}

    void Caption(const std::string& where, const QString& text, const FittedFont& fitted) {
        ++measured_;
        if (!fitted.Fits())
            Add(where, text, "even at " + std::to_string(fitted.font.pixelSize()) + " px",
                fitted.shortBy);
    }
    void Fixed(const std::string& where, const QString& text, const QFont& font, int room) {
        ++measured_;
        const int width = QFontMetrics(font).horizontalAdvance(text);
        if (width > room)
            Add(where, text, "at " + std::to_string(font.pixelSize()) + " px", width - room);
    }

    int Measured() const { return measured_; }
    const std::string& Report() const { return report_; }

private:
    // Each text once, though several menus show it.
    void Add(const std::string& where, const QString& text, const std::string& size, int shortBy) {
        const std::string line = language_ + " " + where + " \"" + text.toStdString() + "\" " +
                                 size + ": " + std::to_string(shortBy) + " px too wide\n";
        if (report_.find(line) == std::string::npos)
            report_ += line;
    }

    std::string language_;
    int measured_ = 0;
    std::string report_;
};

// The default data folder in a language.
void WriteDataFolder(const std::filesystem::path& folder, const std::string& code) {
    WriteDefaultDataFiles(folder);
    for (const char* name : {"str.ini", "str0.ini"}) {
        std::ifstream in(folder / name);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        const auto lan = text.find("Lan=");
        text.replace(lan + 4, text.find_first_of("\r\n", lan) - lan - 4, code);
        std::ofstream(folder / name) << text;
    }
}

class TextsFitTest : public ::testing::TestWithParam<const char*> {
protected:
    TextsFitTest() : code(GetParam()), clipped(code) {
        WriteDataFolder(folder.Root(), code);
        controller = std::make_unique<MainController>(
            ControllerParts{store, mouse, pointer, dispatcher, tray, window,
                            DataFolder(folder.Root()), [](std::chrono::milliseconds) {}});
        window.SetController(*controller);
        controller->Start();
        window.BuildWindow();
        window.show();
    }

    // Every caption of the main window's image buttons, and every function name a label box
    // can show.
    void MainWindowButtons() {
        for (const SkinButton* button : window.findChildren<SkinButton*>()) {
            if (!button->text().isEmpty())
                clipped.Caption("main window button", button->text(), button->CaptionFont());
        }
        SkinButton& box = *window.LabelBox(0);
        for (const std::string& label : FunctionLabels()) {
            box.SetText(Q(label));
            clipped.Caption("label box", box.text(), box.CaptionFont());
        }
        for (const KeyRow& key : KeyTable()) {
            box.SetText(Q(key.name));
            clipped.Caption("label box", box.text(), box.CaptionFont());
        }
    }

    // The labels of the settings panels, each in its panel's font and made smaller where it
    // may be.
    void PanelTexts() {
        const UiTextTable& text = controller->Text();
        auto fitted = [&](const std::string& shown, int pixels, const PixelRect& rect) {
            clipped.Caption("panel label", Q(shown),
                            FitToWidth(UiFont(code, pixels), Q(shown), rect.Width()));
        };
        namespace lighting = layout::lighting_panel;
        for (const std::string* label : {&text.TxtStandard, &text.TxtRespiration, &text.TxtNeon})
            fitted(*label, lighting::kFontHeight, lighting::LabelRect(0));
        for (const auto& [label, rect] : {std::pair{&text.TxtNumberOfRows, wheel::kLinesLabel},
                                          {&text.TxtScrollOneScreen, wheel::kScreenLabel}})
            fitted(*label, wheel::kFontHeight, rect);
        fitted(text.TxtSlow, dial::kFontHeight, dial::kSlowRect);
        fitted(text.TxtFast, dial::kFontHeight, dial::kFastRect);
    }

    // Every label a function chosen from a menu gives an entry.
    std::set<std::string> FunctionLabels() const {
        std::set<std::string> labels;
        const MacroStore macros(folder.Path("record.ini"));
        for (int entry = 0; entry < kEntryCount; ++entry) {
            for (const AssignmentMenuItem& item : Menu(entry).items) {
                for (const AssignmentMenuItem& leaf :
                     item.submenu.empty() ? std::vector<AssignmentMenuItem>{item} : item.submenu) {
                    const std::optional<EntryChoice> choice = ChoiceOfCommand(leaf.id);
                    if (!choice)
                        continue;
                    MouseConfig record{};
                    ResetToDefaults(record);
                    EntryLabels shown{};
                    static_cast<void>(SetEntryFunction(record, shown, entry, *choice,
                                                       {controller->Text(), code, macros}));
                    labels.insert(shown[static_cast<std::size_t>(entry)]);
                }
            }
        }
        return labels;
    }

    // The texts the main window paints in the left column and along its bottom.
    void MainWindowTexts() {
        const UiTextTable& text = controller->Text();
        const QFont font = UiFont(code, kCaptionFontHeight);
        for (const std::string* caption :
             {&text.TxtButton1, &text.TxtButton2, &text.TxtButton3, &text.TxtButton4,
              &text.TxtButton5, &text.TxtButton6, &text.TxtButton7})
            clipped.Fixed("entry caption", Q(*caption), font, CaptionRect(0).Width());
        const PixelRect axisHeader = LayOutSections(true, false, 0).axisHeader;
        for (const std::string* label : {&text.TxtXAxis, &text.TxtYAxis})
            clipped.Fixed("axis label", Q(*label), font, AxisLabelRect(axisHeader, 0).Width());
        clipped.Fixed("colour note", Q(text.TxtColorNote), font, kResetRect.left - kColorNotePos.x);
    }

    // Every item of every assignment menu and submenu, in the font the window gives them.
    void AssignmentMenus() {
        const QFont font = UiFont(code, kCaptionFontHeight);
        for (int entry = 0; entry < kEntryCount; ++entry) {
            const AssignmentMenuWidgets menus = MakeAssignmentMenu(Menu(entry), font, &window);
            std::vector<const SkinMenu*> all{menus.top.get()};
            for (const auto& submenu : menus.submenus)
                all.push_back(submenu.get());
            for (const SkinMenu* menu : all) {
                for (const MenuItemList::Entry& item : menu->Items().Entries())
                    clipped.Fixed("menu item", item.text, menu->font(),
                                  menu->Width() - SkinMenu::kTextLeft);
            }
        }
    }

    void DialogButtons() {
        KeyCaptureDialog key(kBin, code, {});
        for (int b : {KeyCaptureDialog::kOk, KeyCaptureDialog::kCancel})
            clipped.Caption("key dialog button", key.ButtonOf(b).caption, key.CaptionFont(b));
        const QLabel& plate = *key.KeyNameLabel();
        for (const KeyRow& row : KeyTable()) {
            key.SetKeyName(std::string(row.name));
            clipped.Fixed("key name", plate.text(), plate.font(), plate.width() - 2);
        }
        MacroStore macros(folder.Path("record.ini"));
        MacroPicker picker(kBin, code, macros);
        for (int b : {MacroPicker::kOk, MacroPicker::kCancel})
            clipped.Caption("macro picker button", picker.ButtonOf(b).caption,
                            picker.CaptionFont(b));
        MacroRows staging{};
        ImmediateFileWrites writes;
        MacroManagerDialog manager(
            kBin, code, folder.Path("record.ini"), staging,
            [](QWidget&) { return std::make_unique<NoKeys>(); }, writes);
        for (int b : {MacroManagerDialog::kOk, MacroManagerDialog::kCancel,
                      MacroManagerDialog::kNew, MacroManagerDialog::kDelete})
            clipped.Caption("macro manager button", manager.ButtonOf(b).caption,
                            manager.CaptionFont(b));
        const MacroManagerTexts texts = MacroManagerTextsFor(code);
        SkinButton* record = manager.findChild<SkinButton*>();
        ASSERT_NE(record, nullptr);
        for (std::string_view caption : {texts.startRecording, texts.stopRecording}) {
            record->SetText(Q(caption));
            clipped.Caption("record button", record->text(), record->CaptionFont());
        }
        namespace mm = layout::macro_manager;
        const QFont font = FaceFont(MacroManagerFont(code));
        clipped.Fixed("macro manager title", Q(texts.title), font, mm::kTitleRect.Width());
        for (const auto& [text, rect] : {std::pair{texts.macroColumn, mm::kMacroHeading},
                                         {texts.eventColumn, mm::kEventHeading},
                                         {texts.optionsColumn, mm::kOptionsHeading}})
            clipped.Fixed("macro manager heading", Q(text), font, rect.Width());
    }

    void ProfileManagerTexts() {
        namespace pm = layout::profile_manager;
        const vorlak::ProfileManagerTexts texts = ProfileManagerTextsFor(code);
        const QFont font = FaceFont(ProfileManagerFont(code, false));
        clipped.Fixed("profile manager title", Q(texts.title), font, pm::kTitleRect.Width());
        for (const auto& [text, button] :
             {std::pair{texts.newButton, pm::kNew}, {texts.deleteButton, pm::kDelete}})
            clipped.Fixed("profile manager button", Q(text), font, button.caption.Width());
    }

    AssignmentMenu Menu(int entry) const {
        return BuildAssignmentMenu(entry, controller->Text(), code);
    }

    std::string code;
    Clipped clipped;
    TestFolder folder;
    ConfigStore store;
    SimulatedMouse mouse;
    FakePointerSettings pointer;
    QtUiDispatcher dispatcher{qApp};
    CallLog log;
    FakeTray tray{log};
    MainWindow window{kBin};
    std::unique_ptr<MainController> controller;
};

TEST_P(TextsFitTest, EveryTextFitsItsBox) {
    ASSERT_EQ(controller->LanguageCode(), code);
    MainWindowButtons();
    MainWindowTexts();
    AssignmentMenus();
    DialogButtons();
    ProfileManagerTexts();
    PanelTexts();
    std::cout << code << ": " << clipped.Measured() << " texts measured\n";
    EXPECT_EQ(clipped.Report(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFitTest, ::testing::Values("EN", "DE", "CHS", "CHT"));

}  // namespace
}  // namespace vorlak
