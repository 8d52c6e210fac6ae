// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager window on a store in a temporary folder, offscreen: its lists follow the
// manager, its painted buttons act, a recording fills the event list, and the in-place editors
// write their results back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "common/file_writes.h"
#include "controls/list_entry_editor.h"
#include "controls/skin_button.h"
#include "macro/ui/macro_manager_dialog.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

class NoKeyboard : public KeyCapture {
public:
    void Start(KeyHandler onKey, FailureHandler) override { onKey_ = std::move(onKey); }
    void Stop() override { onKey_ = {}; }
    void Key(int virtualKey, int flags) const {
        if (onKey_)
            onKey_({virtualKey, flags});
    }

private:
    KeyHandler onKey_;
};

// Every write fails, as on a full disk.
class FullDisk : public FileWrites {
public:
    void Replace(std::filesystem::path, std::string, Done done) override {
        done(std::make_error_code(std::errc::no_space_on_device));
    }
    void WhenDone(std::function<void()> then) override { then(); }
};

// Closes each message box as it shows and keeps its text and its button's.
class MessageBoxes : public QObject {
public:
    MessageBoxes() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                buttons << box->buttons().front()->text();
                box->close();
            }
        });
        timer_.start(10);
    }
    // Runs the event loop until `count` boxes were shown (or two seconds passed).
    bool WaitFor(qsizetype count) {
        return QTest::qWaitFor([&] { return texts.size() >= count; }, 2000);
    }
    QStringList texts;
    QStringList buttons;

private:
    QTimer timer_;
};

class MacroManagerDialogTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("record.ini",
                      "[MacroName]\nMacroCount=2\n0=Macro_1\n1=Macro_2\n"
                      "[Macro_1]\nDelayTimeSelStatus=0\nMacroLoopTimes=2\nItemCount=3\n"
                      "Item0=A   Dn\nItem1=80 ms\nItem2=A   Up\n");
        dialog_ = std::make_unique<MacroManagerDialog>(
            VORLAK_BIN_DIR, "EN", folder_.Path("record.ini"), staging_,
            [this](QWidget&) {
                auto capture = std::make_unique<NoKeyboard>();
                keyboard_ = capture.get();
                return capture;
            },
            writes_);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void Press(MacroManagerDialog::Button button) {
        QTest::mouseClick(dialog_.get(), Qt::LeftButton, {},
                          dialog_->ButtonOf(button).rect.center());
    }
    QStringList Texts(const QListWidget& list) const {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i)
            texts << list.item(i)->text();
        return texts;
    }
    // Types into the in-place editor that is open and ends it with Tab.
    void TypeIntoEditor(const QString& text) {
        auto* editor = dialog_->findChild<ListEntryEditor*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    IniFile Ini() const { return IniFile::Open(folder_.Path("record.ini")); }

    TestFolder folder_;
    MacroRows staging_{};
    ImmediateFileWrites writes_;
    NoKeyboard* keyboard_ = nullptr;
    std::unique_ptr<MacroManagerDialog> dialog_;
};

TEST_F(MacroManagerDialogTest, ShowsTheStoreAndActsOnItsButtons) {
    EXPECT_EQ(Texts(*dialog_->MacroList()), (QStringList{"Macro_1", "Macro_2"}));
    EXPECT_EQ(Texts(*dialog_->EventList()), (QStringList{"A   Dn", "80 ms", "A   Up"}));
    EXPECT_EQ(dialog_->LoopField()->text(), "2");
    EXPECT_TRUE(dialog_->LoopField()->isEnabled());

    Press(MacroManagerDialog::kNew);
    EXPECT_EQ(dialog_->MacroList()->count(), 3);
    EXPECT_EQ(dialog_->MacroList()->currentRow(), 2);
    EXPECT_EQ(dialog_->MacroList()->item(2)->text(), "Macro_3");
    Press(MacroManagerDialog::kDelete);
    EXPECT_EQ(Texts(*dialog_->MacroList()), (QStringList{"Macro_1", "Macro_2"}));

    dialog_->MacroList()->setCurrentRow(0);
    Press(MacroManagerDialog::kOk);
    ASSERT_TRUE(dialog_->Result().has_value());
    EXPECT_EQ(dialog_->Result()->rows[0][1], 2);  // Macro_1's loop count
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(MacroManagerDialogTest, ARecordingFillsTheEventList) {
    QTest::mouseClick(dialog_->RecordButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog_->Manager()->Recording());
    EXPECT_EQ(dialog_->EventList()->count(), 0);
    keyboard_->Key('B', 0);
    keyboard_->Key('B', KeyFlagRelease);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(Texts(*dialog_->EventList()), (QStringList{"B   Dn", "B   Up"}));
    QTest::mouseClick(dialog_->RecordButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog_->Manager()->Recording());
    EXPECT_EQ(Ini().Get("Macro_1", "Item1"), "B   Up");
}

TEST_F(MacroManagerDialogTest, InPlaceEditsWriteTheStore) {
    QListWidget& events = *dialog_->EventList();
    const QPoint delay = events.visualItemRect(events.item(1)).center();
    QTest::mouseClick(events.viewport(), Qt::LeftButton, {}, delay);
    // The second click comes later than a double click would.
    QTest::mouseClick(events.viewport(), Qt::LeftButton, {}, delay, 600);
    TypeIntoEditor("70000");
    EXPECT_EQ(events.item(1)->text(), "65535 ms");
    EXPECT_EQ(Ini().Get("Macro_1", "Item1"), "65535 ms");

    QListWidget& names = *dialog_->MacroList();
    emit names.itemDoubleClicked(names.item(0));
    EXPECT_TRUE(Ini().HasSection("Macro_1"));  // the store keeps the macro while editing
    TypeIntoEditor("Macro_2");                 // taken: refused
    EXPECT_EQ(names.item(0)->text(), "Macro_1");
    emit names.itemDoubleClicked(names.item(0));
    TypeIntoEditor("Burst");
    EXPECT_EQ(names.item(0)->text(), "Burst");
    EXPECT_EQ(Ini().Get("MacroName", "0"), "Burst");
    EXPECT_FALSE(Ini().HasSection("Macro_1"));
    EXPECT_EQ(Ini().Get("Burst", "Item1"), "65535 ms");
}

// The keyboard's selection tracks a delay as a first click does: one click on it then edits
// it. A right press with nothing selected selects nothing (and opens no menu).
TEST_F(MacroManagerDialogTest, KeysTrackTheDelayAndARightPressSelectsNothing) {
    QListWidget& events = *dialog_->EventList();
    events.setCurrentRow(-1);
    dialog_->Manager()->SelectEvent(-1);
    const QPoint delay = events.visualItemRect(events.item(1)).center();
    QTest::mouseClick(events.viewport(), Qt::RightButton, {}, delay);
    EXPECT_EQ(events.currentRow(), -1);
    EXPECT_EQ(dialog_->Manager()->SelectedEvent(), -1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    events.setCurrentRow(0);
    QTest::keyClick(&events, Qt::Key_Down);
    EXPECT_EQ(dialog_->Manager()->SelectedEvent(), 1);
    EXPECT_EQ(dialog_->findChild<ListEntryEditor*>(), nullptr);
    QTest::mouseClick(events.viewport(), Qt::LeftButton, {}, delay);
    EXPECT_NE(dialog_->findChild<ListEntryEditor*>(), nullptr) << "one click edits the delay";
}

// A write that fails is told in the user's language once the click that made it has
// returned; OK then keeps the dialog open and says why.
TEST_F(MacroManagerDialogTest, AFailedWriteIsToldAndOkStaysOpen) {
    dialog_.reset();
    const std::string before = folder_.Read("record.ini");
    FullDisk full;
    MessageBoxes boxes;
    MacroManagerDialog dialog(
        VORLAK_BIN_DIR, "DE", folder_.Path("record.ini"), staging_,
        [](QWidget&) { return std::make_unique<NoKeyboard>(); }, full);
    dialog.show();
    ASSERT_TRUE(boxes.WaitFor(1));  // opening writes the loop count back: it failed too
    QTest::mouseClick(&dialog, Qt::LeftButton, {},
                      dialog.ButtonOf(MacroManagerDialog::kNew).rect.center());
    EXPECT_EQ(dialog.MacroList()->count(), 3) << "the edit stays in the manager";
    ASSERT_TRUE(boxes.WaitFor(2));
    const QString reason =
        QString::fromStdString(std::make_error_code(std::errc::no_space_on_device).message());
    EXPECT_TRUE(boxes.texts[1].startsWith("Die Makros konnten nicht in "))
        << boxes.texts[1].toStdString();
    EXPECT_TRUE(boxes.texts[1].contains(reason));
    EXPECT_TRUE(boxes.texts[1].contains("nächsten Änderung"));
    QTest::mouseClick(&dialog, Qt::LeftButton, {},
                      dialog.ButtonOf(MacroManagerDialog::kOk).rect.center());
    ASSERT_TRUE(boxes.WaitFor(3));
    EXPECT_TRUE(boxes.texts[2].contains("OK speichert zuerst die Makros"))
        << boxes.texts[2].toStdString();
    EXPECT_EQ(boxes.buttons[2], "OK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Result().has_value());
    EXPECT_EQ(folder_.Read("record.ini"), before);
}

TEST_F(MacroManagerDialogTest, TheEventMenuCommandsActOnTheSelectedEvent) {
    dialog_->EventList()->setCurrentRow(0);
    dialog_->RunEventCommand(MacroManagerDialog::kInsertRight);
    EXPECT_EQ(Texts(*dialog_->EventList()),
              (QStringList{"A   Dn", "R-Button   Dn", "R-Button   Up", "80 ms", "A   Up"}));
    EXPECT_EQ(dialog_->EventList()->currentRow(), 2);
    dialog_->RunEventCommand(MacroManagerDialog::kDeleteEvent);
    EXPECT_EQ(Ini().Get("Macro_1", "ItemCount"), "4");
}

}  // namespace
}  // namespace vorlak
