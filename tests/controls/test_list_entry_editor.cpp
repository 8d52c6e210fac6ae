// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place list editor on a real list: where it lies, what ends it, what it writes back,
// and the end notice that follows every edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include <vector>

#include "controls/list_entry_editor.h"
#include "controls/widget_input.h"

namespace vorlak {
namespace {

// A list that keeps the end notices of the editors it listens to, as an owner hears them.
class OwnerList : public QListWidget {
public:
    std::vector<int> ended;

    void Listen(ListEntryEditor* editor) {
        if (editor != nullptr)
            connect(
                editor, &ListEntryEditor::EditEnded, this,
                [this](int index) { ended.push_back(index); }, Qt::QueuedConnection);
    }
    std::vector<int> Delivered() {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        return ended;
    }
};

class ListEntryEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.addItems({"Profile 1", "Profile 2", "Profile 3"});
        list.resize(263, 200);
        list.show();
        list.activateWindow();
    }
    QString Entry(int i) const { return list.item(i)->text(); }
    // Begins an edit of entry `index`, replaces its text by typing, and returns the editor.
    QPointer<ListEntryEditor> Edit(int index, ListEditMode mode, const QString& typed) {
        QPointer<ListEntryEditor> editor = ListEntryEditor::BeginEdit(list, index, mode);
        list.Listen(editor);
        if (editor) {
            editor->selectAll();
            QTest::keyClicks(editor, typed);
        }
        return editor;
    }
    // Ends an edit with a key and lets the editor go.
    static void Key(QWidget* editor, Qt::Key key) {
        QTest::keyClick(editor, key);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    OwnerList list;
};

TEST_F(ListEntryEditorTest, TheEditorLiesOverItsEntryAndStartsWithItsTextSelected) {
    QPointer<ListEntryEditor> editor =
        ListEntryEditor::BeginEdit(list, 1, ListEditMode::ProfileName);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->geometry(), list.visualItemRect(list.item(1)).adjusted(-1, -1, 1, 1));
    EXPECT_EQ(editor->text(), "Profile 2");
    EXPECT_EQ(editor->selectedText(), "Profile 2");
    EXPECT_EQ(QWidget::mouseGrabber(), editor.data());
    Key(editor, Qt::Key_Tab);
    EXPECT_FALSE(editor);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(ListEntryEditorTest, AnIndexThatIsNoEntryCreatesNothing) {
    const int children = list.viewport()->children().size();
    EXPECT_EQ(ListEntryEditor::BeginEdit(list, 3, ListEditMode::ProfileName), nullptr);
    EXPECT_EQ(ListEntryEditor::BeginEdit(list, -1, ListEditMode::Delay), nullptr);
    EXPECT_EQ(list.viewport()->children().size(), children);
    EXPECT_TRUE(list.Delivered().empty());
}

TEST_F(ListEntryEditorTest, NamesEndWithTabOrEnterAndRefuseAnotherEntrysName) {
    Key(Edit(0, ListEditMode::ProfileName, "Gaming"), Qt::Key_Tab);
    EXPECT_EQ(Entry(0), "Gaming");
    EXPECT_EQ(list.currentRow(), 0);
    Key(Edit(1, ListEditMode::ProfileName, "Profile 3"), Qt::Key_Return);
    EXPECT_EQ(Entry(1), "Profile 2");
    Key(Edit(2, ListEditMode::MacroName, "PROFILE 2"), Qt::Key_Tab);  // macros ignore case
    EXPECT_EQ(Entry(2), "Profile 3");
    Key(Edit(2, ListEditMode::MacroName, "a]b"), Qt::Key_Tab);
    EXPECT_EQ(Entry(2), "Profile 3");
    EXPECT_EQ(list.Delivered(), (std::vector<int>{0, 1, 2, 2}));
}

TEST_F(ListEntryEditorTest, DelaysTakeDigitsOnlyAndStayWithinTheLimit) {
    list.clear();
    list.addItems({"A   Dn", "20 ms", "A   Up"});
    Key(Edit(1, ListEditMode::Delay, "70000"), Qt::Key_Tab);
    EXPECT_EQ(Entry(1), "65535 ms");
    Key(Edit(1, ListEditMode::Delay, "1x2"), Qt::Key_Tab);  // the letter is not taken
    EXPECT_EQ(Entry(1), "12 ms");
    QPointer<ListEntryEditor> editor = Edit(1, ListEditMode::Delay, "");
    editor->clear();
    Key(editor, Qt::Key_Tab);
    EXPECT_EQ(Entry(1), "0 ms");
}

TEST_F(ListEntryEditorTest, EscapeKeepsTheEntryAndStillTellsTheOwner) {
    QPointer<ListEntryEditor> editor = Edit(1, ListEditMode::ProfileName, "Other");
    Key(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor);
    EXPECT_EQ(Entry(1), "Profile 2");
    EXPECT_EQ(list.Delivered(), std::vector<int>{1});
}

TEST_F(ListEntryEditorTest, AClickInsideKeepsEditingAndAClickOutsideCommits) {
    QPointer<ListEntryEditor> editor = Edit(2, ListEditMode::ProfileName, "Mine");
    Press(*editor, QPoint(5, 5));
    Release(*editor, QPoint(5, 5));
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    // The editor holds the pointer, so it receives the press outside itself.
    Press(*editor, QPoint(5, -40));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
    EXPECT_EQ(Entry(2), "Mine");
    EXPECT_EQ(list.Delivered(), std::vector<int>{2});
}

TEST_F(ListEntryEditorTest, LosingTheFocusCommitsOnce) {
    QPointer<ListEntryEditor> editor = Edit(0, ListEditMode::ProfileName, "Away");
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(editor, &out);
    QApplication::sendEvent(editor, &out);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
    EXPECT_EQ(Entry(0), "Away");
    EXPECT_EQ(list.Delivered(), std::vector<int>{0});
}

}  // namespace
}  // namespace vorlak
