// SPDX-License-Identifier: GPL-3.0-or-later
// The assignment menus offscreen: where and how the menu shows, and the commands that reach
// the record through the two dialogs.
#include "assign/ui/assignment_menus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "assign/ui/scripted_key_capture.h"
#include "controls/skin_menu.h"
#include "controls/widget_input.h"
#include "macro/ui/macro_picker.h"
#include "test_folder.h"

namespace vorlak {
namespace {

// Runs action on the first widget of type T that becomes the active popup or modal widget.
template <typename T>
void When(std::function<void(T&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* top = QApplication::activePopupWidget();
        if (top == nullptr)
            top = QApplication::activeModalWidget();
        if (auto* widget = qobject_cast<T*>(top))
            action(*widget);
        else
            When<T>(action);
    });
}

// Picks the item with the text in a menu by the pointer, with button.
void PickItem(QMenu& menu, const QString& text, Qt::MouseButton button = Qt::LeftButton) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            const QPoint at = menu.actionGeometry(action).center();
            QTest::mouseMove(&menu, at);
            QTest::mouseClick(&menu, button, Qt::NoModifier, at);
            return;
        }
    }
    ADD_FAILURE() << "no item " << text.toStdString();
    menu.close();
}

class AssignmentMenusTest : public ::testing::Test {
protected:
    AssignmentMenusTest() {
        ResetToDefaults(record_);
        record_.KeyFunction[6] = kFnLeftClick;
        folder_.Write("record.ini",
                      "[MacroName]\nMacroCount=2\n0=Fire\n1=Reload\n"
                      "[Reload]\nItemCount=4\nItem0=A   Dn\n");
        window_.resize(400, 400);
        box_.setGeometry(120, 153, 130, 16);
        window_.show();
    }

    AssignmentMenus& Menus() {
        if (!menus_) {
            menus_ = std::make_unique<AssignmentMenus>(
                AssignmentMenuParts{
                    window_, VORLAK_BIN_DIR, text_, "EN", font_, folder_.Path("record.ini"),
                    [this](QWidget&) { return std::make_unique<ScriptedKeyCapture>(script_); }},
                record_, [this](int entry, const EntryChoice& choice, const AssignmentContext& c) {
                    static_cast<void>(SetEntryFunction(record_, labels_, entry, choice, c));
                });
        }
        return *menus_;
    }

    TestFolder folder_;
    UiTextTable text_ = FillTextTable("EN");
    QFont font_ = [] {
        QFont f;
        f.setPixelSize(12);
        return f;
    }();
    MouseConfig record_{};
    EntryLabels labels_{};
    QWidget window_;
    QWidget box_{&window_};
    std::shared_ptr<ScriptedKeyCapture::Script> script_ =
        std::make_shared<ScriptedKeyCapture::Script>();
    std::unique_ptr<AssignmentMenus> menus_;
};

TEST_F(AssignmentMenusTest, TheMenuSitsBesideTheBoxAndASubmenuItemIsChosen) {
    QPoint shownAt;
    int width = 0, submenuWidth = 0, items = 0;
    When<SkinMenu>([&](SkinMenu& menu) {
        shownAt = menu.pos();
        width = menu.Width();
        items = static_cast<int>(menu.actions().size());
        EXPECT_EQ(menu.font().pixelSize(), 12);
        PickItem(menu, "Multimedia Commands +");
        When<SkinMenu>([&](SkinMenu& submenu) {
            if (&submenu == &menu)
                return;  // hovered, not yet open
            submenuWidth = submenu.Width();
            PickItem(submenu, "Mute");
        });
    });
    const std::optional<int> id = Menus().Show(1, box_);
    EXPECT_EQ(id, 2055);
    EXPECT_EQ(shownAt, box_.mapToGlobal(QPoint(135, 0)));
    // The fixed widths are minimums; "Multimedia Commands +" and "Open Media Player" need more.
    EXPECT_GT(width, 120);
    EXPECT_EQ(items, 14);
    EXPECT_GT(submenuWidth, 100);

    Menus().Dispatch(*id);
    EXPECT_EQ(record_.KeyFunction[1], kFnMultimedia);
    EXPECT_EQ(record_.KeyMediaUsage[1], 0xE2);
    EXPECT_EQ(labels_[1], "Mute");
}

TEST_F(AssignmentMenusTest, TheRightButtonChoosesToo) {
    When<SkinMenu>([](SkinMenu& menu) { PickItem(menu, "Deactivated", Qt::RightButton); });
    EXPECT_EQ(Menus().Show(8, box_), 2013);
}

TEST_F(AssignmentMenusTest, TheLastClickShowsTheMessageAndNoMenu) {
    record_.KeyFunction[6] = kFnDeactivated;
    QString caption, text;
    When<QMessageBox>([&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
        box.accept();
    });
    EXPECT_EQ(Menus().Show(0, box_), 0);
    EXPECT_EQ(caption, "ATTENTION!!");
    EXPECT_EQ(text, "At least one button must be set as the \"click\" function.");
}

TEST_F(AssignmentMenusTest, AShiftLayerShiftOpensNothing) {
    record_.KeyFunction[10] = kFnShift;
    EXPECT_EQ(Menus().Show(10, box_), std::nullopt);
}

TEST_F(AssignmentMenusTest, TheKeyboardKeyComesFromTheCaptureDialog) {
    When<SkinMenu>([](SkinMenu& menu) { PickItem(menu, "Assign Keyboard Key"); });
    const std::optional<int> id = Menus().Show(2, box_);
    ASSERT_EQ(id, kMenuKeyboardKey);
    When<KeyCaptureDialog>([this](KeyCaptureDialog& dialog) {
        script_->Key('A');
        script_->Key('A', KeyFlagRelease);
        Press(dialog, dialog.ButtonOf(KeyCaptureDialog::kOk).rect.center());
    });
    Menus().Dispatch(*id);
    EXPECT_EQ(record_.KeyFunction[2], kFnKeyboardKey);
    EXPECT_EQ(record_.KeyCode[2], 4);
    EXPECT_EQ(labels_[2], "Assign Keyboard Key-A");
    EXPECT_FALSE(script_->running);
}

TEST_F(AssignmentMenusTest, TheMacroComesFromThePicker) {
    When<SkinMenu>([](SkinMenu& menu) { PickItem(menu, "Macro"); });
    const std::optional<int> id = Menus().Show(5, box_);
    ASSERT_EQ(id, kMenuMacro);
    When<MacroPicker>([](MacroPicker& dialog) {
        Press(dialog, MacroPicker::DropDownArea().center());
        dialog.DropDown()->setCurrentRow(1);
        Press(dialog, MacroPicker::ModeMarkArea(2).center());
        Press(dialog, dialog.ButtonOf(MacroPicker::kOk).rect.center());
    });
    Menus().Dispatch(*id);
    EXPECT_EQ(record_.KeyFunction[5], kFnMacro);
    EXPECT_EQ(record_.KeyMacroIndex[5], 1);
    EXPECT_EQ(record_.KeyMacroMode[5], 2);
    EXPECT_EQ(labels_[5], "Macro:Reload");
}

}  // namespace
}  // namespace vorlak
