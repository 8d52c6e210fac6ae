// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager on its own: the list it reads, the buttons, the menu, the rename by a
// second click, the requests it posts and the keys it swallows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <vector>

#include "controls/list_entry_editor.h"
#include "controls/widget_input.h"
#include "profiles/ui/profile_manager_dialog.h"
#include "record/ini_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

// The signal a request came by.
enum class ProfileCommand { Load, Save, Closed };

// The main window as the dialog sees it: it keeps the requests.
class Owner : public QWidget {
public:
    struct Request {
        ProfileCommand command;
        int index;
        std::optional<ProfileList> list;
    };
    std::vector<Request> requests;

    void Listen(ProfileManagerDialog& dialog) {
        connect(&dialog, &ProfileManagerDialog::LoadRequested, this, [this](int index) {
            requests.push_back({ProfileCommand::Load, index, {}});
        });
        connect(&dialog, &ProfileManagerDialog::SaveRequested, this, [this](int index) {
            requests.push_back({ProfileCommand::Save, index, {}});
        });
        connect(&dialog, &ProfileManagerDialog::Closed, this,
                [this](int current, const std::optional<ProfileList>& list) {
                    requests.push_back({ProfileCommand::Closed, current, list});
                });
    }
    std::vector<Request> Delivered() const { return requests; }
};

// Closes the next message box once it shows, keeping its caption and text.
void CloseMessageBoxLater(QString* shown) {
    QTimer::singleShot(0, [shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *shown = box->windowTitle() + "|" + box->text();
            box->close();
        }
    });
}

class ProfileManagerDialogTest : public ::testing::Test {
protected:
    void Open(std::string_view list, int current, std::string_view code = "EN") {
        folder.Write("str.ini", list);
        dialog = new ProfileManagerDialog(VORLAK_BIN_DIR, folder.Path("str.ini"), code,
                                          QFont("Liberation Sans"), current, &owner);
        owner.Listen(*dialog);
        owner.resize(1000, 640);
        owner.show();
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (int i = 0; i < dialog->List()->count(); ++i)
            names.push_back(dialog->List()->item(i)->text().toStdString());
        return names;
    }
    void Click(int row) {
        const QRect r = dialog->List()->visualItemRect(dialog->List()->item(row));
        QTest::mouseClick(dialog->List()->viewport(), Qt::LeftButton, {}, r.center());
    }

    TestFolder folder;
    Owner owner;
    QPointer<ProfileManagerDialog> dialog;
};

constexpr std::string_view kThree =
    "[PROFILE]\nCurProfileName=Profile 2\nItemCount=3\nItem0=Profile 1\nItem1=Profile 2\n"
    "Item2=Profile 3\n";

TEST_F(ProfileManagerDialogTest, OpensWithTheListAndTheCurrentProfileSelected) {
    Open(kThree, 1);
    EXPECT_EQ(dialog->size(), QSize(263, 600));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Profile 1", "Profile 2", "Profile 3"}));
    EXPECT_EQ(dialog->List()->currentRow(), 1);
    EXPECT_EQ(dialog->TrackedIndex(), 1);
}

TEST_F(ProfileManagerDialogTest, InvalidCountsGiveAnEmptyList) {
    Open("[Profile]\nItemCount=7\nItem0=a\n", 0);
    EXPECT_EQ(dialog->List()->count(), 0);
    Press(*dialog, ProfileManagerDialog::kNewHit.center());
    EXPECT_EQ(Shown(), std::vector<std::string>{"Profile 1"});
}

TEST_F(ProfileManagerDialogTest, NewDeleteAndCopyEditTheList) {
    Open(kThree, 0, "DE");
    Press(*dialog, ProfileManagerDialog::kNewHit.center());
    EXPECT_EQ(Shown().back(), "Profil 4");
    EXPECT_EQ(dialog->List()->currentRow(), 3);
    dialog->Copy();
    EXPECT_EQ(Shown().back(), "Kopieren Profil 4");
    EXPECT_EQ(dialog->List()->currentRow(), 3);  // the selection stays
    dialog->New();
    EXPECT_EQ(dialog->List()->count(), 6);
    QString limit;
    CloseMessageBoxLater(&limit);
    dialog->New();
    EXPECT_EQ(limit, "ACHTUNG!|Maximal 6 Profile möglich.");
    EXPECT_EQ(dialog->List()->count(), 6);
    dialog->Copy();  // silently nothing
    EXPECT_EQ(dialog->List()->count(), 6);
    dialog->List()->setCurrentRow(1);
    Press(*dialog, ProfileManagerDialog::kDeleteHit.center());
    EXPECT_EQ(Shown()[1], "Profile 3");
    EXPECT_EQ(dialog->List()->selectedItems().size(), 0);
    EXPECT_EQ(dialog->Profiles().Count(), 5);
    // The entry that moved up is not tracked: a click on it selects it, a second renames it.
    Click(1);
    EXPECT_EQ(dialog->List()->findChild<ListEntryEditor*>(), nullptr);
    EXPECT_EQ(dialog->TrackedIndex(), 1);
}

// Its button too: the box is the profile's language throughout.
TEST_F(ProfileManagerDialogTest, TheLimitMessageIsInTheLanguage) {
    Open("[Profile]\nItemCount=6\nItem0=a\nItem1=b\nItem2=c\nItem3=d\nItem4=e\nItem5=f\n", 0,
         "CHT");
    QString shown;
    QString button;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + "|" + box->text();
            button = box->button(QMessageBox::Ok)->text();
            box->close();
        }
    });
    dialog->New();
    EXPECT_EQ(shown, QString::fromUtf8("注意!|支援最多六組設定檔。"));
    EXPECT_EQ(button, QString::fromUtf8("確定"));
}

TEST_F(ProfileManagerDialogTest, TheLastNameCannotBeDeleted) {
    Open("[Profile]\nItemCount=1\nItem0=Only\n", 0);
    dialog->Delete();
    EXPECT_EQ(Shown(), std::vector<std::string>{"Only"});
}

TEST_F(ProfileManagerDialogTest, ASecondClickRenamesInPlaceAndTheListTakesTheName) {
    Open(kThree, 0);
    Click(2);  // the first click tracks the entry
    EXPECT_EQ(dialog->TrackedIndex(), 2);
    EXPECT_EQ(dialog->List()->findChild<ListEntryEditor*>(), nullptr);
    Click(2);
    QPointer<ListEntryEditor> editor = dialog->List()->findChild<ListEntryEditor*>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "My Game");  // Space is text in the editor
    QTest::keyClick(editor, Qt::Key_Tab);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(dialog->Profiles().Name(2), "My Game");
    EXPECT_EQ(Shown()[2], "My Game");
    // Another entry's name is refused; so is one the list file cannot hold.
    dialog->Edit();
    editor = dialog->List()->findChild<ListEntryEditor*>();
    ASSERT_TRUE(editor);
    editor->setText(QString(1100, 'x'));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Shown()[2], "My Game");
    EXPECT_EQ(dialog->Profiles().Name(2), "My Game");
}

// A selection the keyboard moves is tracked as a first click's is: a click on that entry
// then renames it. The keys themselves rename nothing.
TEST_F(ProfileManagerDialogTest, TheKeyboardsSelectionIsTrackedAsAFirstClicksIs) {
    Open(kThree, 0);
    QTest::keyClick(dialog->List(), Qt::Key_Down);
    QTest::keyClick(dialog->List(), Qt::Key_Down);
    EXPECT_EQ(dialog->TrackedIndex(), 2);
    EXPECT_EQ(dialog->List()->findChild<ListEntryEditor*>(), nullptr);
    Click(2);
    EXPECT_NE(dialog->List()->findChild<ListEntryEditor*>(), nullptr);
}

TEST_F(ProfileManagerDialogTest, LoadSaveAndCloseArePostedAfterTheBookkeeping) {
    Open(kThree, 1);
    dialog->List()->clearSelection();
    dialog->Load();  // nothing selected: nothing asked
    dialog->List()->setCurrentRow(2);
    dialog->Load();
    dialog->Save();
    dialog->List()->setCurrentRow(0);
    dialog->Delete();
    Press(*dialog, ProfileManagerDialog::kCloseHit.center());
    Press(*dialog, ProfileManagerDialog::kCloseHit.center());  // once only
    const auto requests = owner.Delivered();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].command, ProfileCommand::Load);
    EXPECT_EQ(requests[0].index, 2);
    EXPECT_EQ(requests[1].command, ProfileCommand::Save);
    EXPECT_EQ(requests[2].command, ProfileCommand::Closed);
    EXPECT_EQ(requests[2].index, 0);  // no selection: the first entry
    ASSERT_TRUE(requests[2].list);
    EXPECT_EQ(requests[2].list->Count(), 2);
    EXPECT_EQ(requests[2].list->Entries()[0].source.slot, 1);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ProfileManagerDialogTest, WithoutAListFileTheCloseCarriesNoList) {
    dialog = new ProfileManagerDialog(VORLAK_BIN_DIR, folder.Path("missing.ini"), "EN", QFont(), 0,
                                      &owner);
    owner.Listen(*dialog);
    EXPECT_EQ(dialog->List()->count(), 0);
    dialog->Close();
    const auto requests = owner.Delivered();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_FALSE(requests[0].list);
}

TEST_F(ProfileManagerDialogTest, TheMenuOpensOverTheListOnly) {
    Open(kThree, 0);
    bool shown = false;
    auto watch = [&shown] {
        QTimer::singleShot(50, [&shown] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                shown = true;
                menu->close();
            }
        });
    };
    watch();
    SendMouse(*dialog->List()->viewport(), QEvent::MouseButtonPress, QPoint(10, 5), Qt::RightButton,
              Qt::RightButton);
    EXPECT_TRUE(shown);
    shown = false;
    watch();
    SendMouse(*dialog, QEvent::MouseButtonPress, QPoint(200, 590), Qt::RightButton,
              Qt::RightButton);
    QTest::qWait(100);
    EXPECT_FALSE(shown);
}

TEST_F(ProfileManagerDialogTest, EnterEscapeSpaceAndF1NeverReachTheList) {
    Open(kThree, 0);
    dialog->List()->setCurrentRow(0);
    int activated = 0;
    QObject::connect(dialog->List(), &QListWidget::itemActivated, [&] { ++activated; });
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_F1})
        QTest::keyClick(dialog->List(), key);
    QTest::keyClick(dialog->List(), Qt::Key_Down);
    EXPECT_EQ(activated, 0);
    EXPECT_EQ(dialog->List()->currentRow(), 1);  // other keys still work
}

}  // namespace
}  // namespace vorlak
