// SPDX-License-Identifier: GPL-3.0-or-later
// The macro picker offscreen: the list, the play modes and what OK hands back.
#include "macro/ui/macro_picker.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "controls/widget_input.h"
#include "macro/macro_store.h"
#include "test_folder.h"

namespace vorlak {
namespace {

class MacroPickerTest : public ::testing::Test {
protected:
    // A store listing the names.
    void List(const std::vector<std::string>& names) {
        std::string text = "[MacroName]\nMacroCount=" + std::to_string(names.size()) + "\n";
        for (std::size_t i = 0; i < names.size(); ++i)
            text += std::to_string(i) + "=" + names[i] + "\n";
        folder_.Write("record.ini", text);
    }
    std::unique_ptr<MacroPicker> Open(const std::string& language = "EN") {
        auto dialog = std::make_unique<MacroPicker>(VORLAK_BIN_DIR, language, store_);
        dialog->open();
        return dialog;
    }
    static void ClickDropDown(MacroPicker& dialog) {
        Press(dialog, MacroPicker::DropDownArea().center());
    }
    static void ClickMode(MacroPicker& dialog, int mode) {
        Press(dialog, MacroPicker::ModeMarkArea(mode).center());
    }
    static void Choose(MacroPicker& dialog, int row) {
        ASSERT_NE(dialog.DropDown(), nullptr);
        dialog.DropDown()->setCurrentRow(row);
    }
    static void Ok(MacroPicker& dialog) {
        Press(dialog, dialog.ButtonOf(MacroPicker::kOk).rect.center());
    }

    TestFolder folder_;
    MacroStore store_{folder_.Path("record.ini")};
};

TEST_F(MacroPickerTest, OkWithoutAChoiceGivesNoMacroAndTheModeClicked) {
    List({"Fire", "Reload"});
    auto dialog = Open();
    ClickMode(*dialog, 2);
    Ok(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenIndex(), -1);
    EXPECT_EQ(dialog->PlayMode(), 2);
}

TEST_F(MacroPickerTest, OpeningTheListSetsTheModeBackToZero) {
    List({"Fire", "Reload"});
    auto dialog = Open();
    ClickMode(*dialog, 2);
    ClickDropDown(*dialog);
    EXPECT_EQ(dialog->PlayMode(), 0);
    Choose(*dialog, 1);
    EXPECT_EQ(dialog->DropDown(), nullptr) << "a choice closes the list";
    EXPECT_EQ(dialog->NameField()->text(), "Reload");
    Ok(*dialog);
    EXPECT_EQ(dialog->ChosenIndex(), 1);
    EXPECT_EQ(dialog->ChosenName(), "Reload");
    EXPECT_EQ(dialog->PlayMode(), 0);
}

TEST_F(MacroPickerTest, AModeAfterTheChoiceIsKept) {
    List({"Fire", "Reload"});
    auto dialog = Open();
    ClickDropDown(*dialog);
    Choose(*dialog, 0);
    ClickMode(*dialog, 1);
    Ok(*dialog);
    EXPECT_EQ(dialog->ChosenIndex(), 0);
    EXPECT_EQ(dialog->ChosenName(), "Fire");
    EXPECT_EQ(dialog->PlayMode(), 1);
}

TEST_F(MacroPickerTest, AClickOutsideTheOpenListClosesItAndKeepsTheChoice) {
    List({"Fire", "Reload"});
    auto dialog = Open();
    ClickDropDown(*dialog);
    Choose(*dialog, 1);
    ClickDropDown(*dialog);
    ASSERT_NE(dialog->DropDown(), nullptr);
    Press(*dialog, QPoint(200, 40));
    EXPECT_EQ(dialog->DropDown(), nullptr);
    EXPECT_EQ(dialog->ChosenIndex(), 1);
    // The drop-down area toggles the list.
    ClickDropDown(*dialog);
    ClickDropDown(*dialog);
    EXPECT_EQ(dialog->DropDown(), nullptr);
    Press(*dialog, dialog->ButtonOf(MacroPicker::kCancel).rect.center());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(MacroPickerTest, AMissingStoreOpensAnEmptyList) {
    auto dialog = Open();
    ClickDropDown(*dialog);
    ASSERT_NE(dialog->DropDown(), nullptr);
    EXPECT_EQ(dialog->DropDown()->count(), 0);
    Ok(*dialog);
    EXPECT_EQ(dialog->ChosenIndex(), -1);
}

TEST_F(MacroPickerTest, ManyEmptyAndLongNamesAreListedAndScroll) {
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i)
        names.push_back("Macro_" + std::to_string(i));
    names[3] = "";
    names[5] = std::string(1000, 'x');
    List(names);
    auto dialog = Open();
    ClickDropDown(*dialog);
    QListWidget* list = dialog->DropDown();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 20);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible() || list->verticalScrollBar()->maximum() > 0);
    EXPECT_LT(list->item(5)->text().size(), 100) << "shown shortened";
    Choose(*dialog, 5);
    EXPECT_EQ(dialog->ChosenName(), std::string(1000, 'x')) << "chosen whole";
    EXPECT_LE(dialog->NameField()->fontMetrics().horizontalAdvance(dialog->NameField()->text()),
              dialog->NameField()->width());
    ClickDropDown(*dialog);
    Choose(*dialog, 15);
    Ok(*dialog);
    EXPECT_EQ(dialog->ChosenIndex(), 15) << "the assignment refuses a macro past the twelfth";
}

TEST_F(MacroPickerTest, ModeTextsAreCentredByTheirWrappedHeight) {
    for (const std::string language : {"EN", "DE", "CHS", "CHT"}) {
        auto dialog = Open(language);
        for (int mode = 0; mode < 3; ++mode) {
            const QRect text = dialog->ModeTextRect(mode);
            const int middle = 86 + 50 * mode;  // the middle of (70 + 50 m)..(102 + 50 m)
            EXPECT_NEAR(text.center().y(), middle, 1) << language << mode;
            EXPECT_EQ(text.left(), 237);
            EXPECT_EQ(text.right(), 389);
            EXPECT_LE(text.height(), 32) << "fits its rectangle: " << language << mode;
        }
    }
}

// No key filter belongs to the picker: Space and F1 do nothing, Enter confirms the choice
// as it stands, also from the open list, and Escape cancels.
TEST_F(MacroPickerTest, ThePickerKeepsADialogsKeys) {
    List({"Fire", "Tap"});
    auto dialog = Open();
    ClickDropDown(*dialog);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_F1}) {
        QTest::keyClick(dialog.get(), key);
        QTest::keyClick(dialog->DropDown(), key);
        EXPECT_TRUE(dialog->isVisible()) << key;
    }
    Choose(*dialog, 1);
    ClickDropDown(*dialog);
    QTest::keyClick(dialog->DropDown(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenIndex(), 1);

    auto other = Open();
    QTest::keyClick(other.get(), Qt::Key_Escape);
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(other->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace vorlak
