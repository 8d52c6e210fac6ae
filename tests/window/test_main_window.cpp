// SPDX-License-Identifier: GPL-3.0-or-later
// The main window offscreen, over the simulated mouse and the artwork the build made.
#include "window/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "controller/controller_fakes.h"
#include "controls/marker_slider.h"
#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "device/simulated_mouse.h"
#include "panels/settings_column.h"
#include "profiles/default_data_files.h"
#include "profiles/ui/profile_manager_dialog.h"
#include "test_folder.h"
#include "window/application.h"
#include "window/qt_ui_dispatcher.h"

namespace vorlak {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        WriteDefaultDataFiles(folder.Root());
        controller = std::make_unique<MainController>(
            ControllerParts{store, mouse, pointer, dispatcher, tray, window,
                            DataFolder(folder.Root()), [](std::chrono::milliseconds) {}});
        window.SetController(*controller);
        controller->Start();
        window.BuildWindow();
        controller->ShowPresence();
        window.show();
    }

    QImage Grab() { return window.grab().toImage(); }
    // The rectangle overlay n of a view covers.
    QRect OverlayRect(MouseView view, int n) const {
        const PixelPoint at = OverlayPosition(view, n);
        return QRect(QPoint(at.x, at.y), SkinImage(kBin, OverlayImage(view, n, true)).size());
    }
    static bool SameIn(const QImage& a, const QImage& b, const QRect& r) {
        return a.copy(r) == b.copy(r);
    }

    const std::filesystem::path kBin = VORLAK_BIN_DIR;
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

TEST_F(MainWindowTest, TheWindowTakesTheSizeOfItsBackground) {
    EXPECT_EQ(window.size(), SkinImage(kBin, "Skins/main.png").size());
    EXPECT_GT(window.SectionHeight(), 0);
}

TEST_F(MainWindowTest, SectionsMoveTheirHeadersLabelsAndSliders) {
    const int h = window.SectionHeight();
    for (int k = 0; k < kEntryCount; ++k)
        EXPECT_TRUE(window.LabelBox(k)->isHidden());
    window.SetAxisSectionCollapsed(false);
    EXPECT_FALSE(window.XSlider()->isHidden());
    EXPECT_EQ(window.XSlider()->geometry(), QRect(37, 202, kSliderWidth, kSliderHeight));
    EXPECT_EQ(window.YSlider()->geometry().top(), 262);
    window.SetAssignmentSectionCollapsed(false);
    EXPECT_EQ(window.XSlider()->geometry().top(), 202 + h);
    EXPECT_EQ(window.YSlider()->geometry().top(), 262 + h);
    for (int k = 0; k < kEntryCount; ++k)
        EXPECT_FALSE(window.LabelBox(k)->isHidden()) << k;
    EXPECT_EQ(window.LabelBox(13)->geometry(), QRect(120, 393, 130, 16));
    EXPECT_EQ(window.LabelBox(2)->text().toStdString(), controller->Editor().Labels()[2]);
    window.SetAxisSectionCollapsed(true);
    EXPECT_TRUE(window.XSlider()->isHidden());
}

TEST_F(MainWindowTest, EntriesThreeAndFourLightEachOthersOverlayInBothViews) {
    for (MouseView view : {MouseView::Top, MouseView::Side}) {
        window.SetView(view);
        const QImage plain = Grab();
        window.HighlightEntry(3);
        const QImage entry3 = Grab();
        EXPECT_FALSE(SameIn(plain, entry3, OverlayRect(view, 5)));
        EXPECT_TRUE(SameIn(plain, entry3, OverlayRect(view, 4)));
        window.HighlightEntry(4);
        const QImage entry4 = Grab();
        EXPECT_FALSE(SameIn(plain, entry4, OverlayRect(view, 4)));
        EXPECT_TRUE(SameIn(plain, entry4, OverlayRect(view, 5)));
        window.HighlightEntry(9);  // a Shift entry lights nothing
        EXPECT_EQ(Grab(), plain);
        window.HighlightEntry(-1);
    }
}

TEST_F(MainWindowTest, ChangingTheViewClearsTheHighlight) {
    window.HighlightEntry(0);
    window.SetView(MouseView::Side);
    EXPECT_EQ(window.HighlightedEntry(), -1);
    EXPECT_EQ(window.View(), MouseView::Side);
}

// A click on the settings column (a section title, its background) ends the highlight.
TEST_F(MainWindowTest, AClickOnTheSettingsColumnClearsTheHighlight) {
    const auto cleared = [&] { return window.HighlightedEntry() == -1; };
    window.HighlightEntry(3);
    QTest::mouseClick(window.SettingsHost()->Title(0), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(cleared, 5000));
    window.HighlightEntry(4);
    QTest::mouseClick(window.SettingsHost(), Qt::LeftButton, {}, QPoint(100, 500));
    EXPECT_TRUE(QTest::qWaitFor(cleared, 5000));
}

// The manager's close reaches the controller, which commits the list and closes the manager.
TEST_F(MainWindowTest, TheProfileManagerClosesThroughTheController) {
    window.OpenProfileManager();
    ASSERT_NE(window.ProfileManager(), nullptr);
    EXPECT_TRUE(controller->ProfileManagerOpen());
    window.ProfileManager()->Close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.ProfileManager() == nullptr; }, 30000));
    EXPECT_FALSE(controller->ProfileManagerOpen());
}

TEST_F(MainWindowTest, EnterSpaceEscapeAndF1DoNothing) {
    window.ApplyButton()->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_F1}) {
        QTest::keyClick(window.ApplyButton(), key);
        QTest::keyClick(&window, key);
    }
    EXPECT_FALSE(controller->Busy());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, CloseKeepsTheEditAndCancelRevertsIt) {
    const Byte saved = store.savedConfig.dpiLevel[1];
    controller->Editor().SetDpiCode(1, 40);
    QTest::mouseClick(window.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(store.currentConfig.dpiLevel[1], 40);
    window.show();
    QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(store.currentConfig.dpiLevel[1], saved);
}

TEST_F(MainWindowTest, TheXSliderSetsTheSensitivity) {
    emit window.XSlider()->MarkerPos(7);
    EXPECT_EQ(store.currentConfig.sensitivityX, 7);
    EXPECT_EQ(store.currentConfig.sensitivityY, store.savedConfig.sensitivityY);
    // A change from elsewhere (a panel, the command line) moves the slider.
    controller->Editor().SetSensitivityY(4);
    EXPECT_EQ(window.YSlider()->Pos(), 4);
}

TEST_F(MainWindowTest, ApplyBlocksInputUntilItEndsAndLeavesTheRecordOnTheMouse) {
    controller->Editor().SetSensitivityY(5);
    bool ended = false;
    QObject::connect(&window, &MainWindow::ApplyEnded, [&] { ended = true; });
    QTest::mouseClick(window.ApplyButton(), Qt::LeftButton);
    EXPECT_TRUE(window.Busy());
    EXPECT_FALSE(window.ApplyButton()->isEnabled());
    QTest::mouseClick(window.CloseButton(), Qt::LeftButton);  // swallowed while busy
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 30000));
    EXPECT_FALSE(window.Busy());
    EXPECT_TRUE(window.ApplyButton()->isEnabled());
    EXPECT_EQ(mouse.Memory().sensitivityY, 100);  // 5 * 20
}

TEST_F(MainWindowTest, ShowingFromTheTrayRestoresAMinimisedWindow) {
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    controller->ShowFromTray();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

// The window's close only hides it; the program's exit must end the loop all the same.
TEST_F(MainWindowTest, EndingTheEventLoopDoesNotAskTheWindow) {
    QTimer::singleShot(0, [] { EndEventLoop(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(window.isVisible());
}

// A tap on the background (press and release, no move) never starts a move: the pointer
// moving afterwards leaves the window where it is.
TEST_F(MainWindowTest, ATapOnTheBackgroundDoesNotMoveTheWindow) {
    const QPoint background(500, 20);
    const QPoint before = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, background);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, background);
    QTest::mouseMove(&window, background + QPoint(80, 60));
    EXPECT_EQ(window.pos(), before);
}

}  // namespace
}  // namespace vorlak
