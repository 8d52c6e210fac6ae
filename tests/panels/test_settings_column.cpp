// SPDX-License-Identifier: GPL-3.0-or-later
// The settings host in its scroll frame: sections as they open and close, the scroll range,
// the wheel with three lines and with one page, a thumb drag past the end, the click notice to
// the main window, and a replaced record closing every section.
#include "panels/settings_column.h"

#include <QWheelEvent>

#include "controls/marker_slider.h"
#include "controls/scroll_frame.h"
#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "controls/skin_scroll_bar.h"
#include "panel_fixture.h"
#include "panels/dpi_panel.h"

namespace vorlak {
namespace {

// The main window's part: it counts the clicks it is told of.
class MainWindow : public QWidget {
public:
    int notices = 0;
};

class SettingsHostTest : public PanelFixture {
protected:
    SettingsHostTest() {
        main_.resize(1000, 645);
        main_.show();
        host_ = new SettingsColumn(context_, &main_);
        host_->setGeometry(735, 32, 260, 561);
        frame_ = new ScrollFrame(*host_, SkinImage(VORLAK_BIN_DIR, "Skins/ScrollBar.png"));
        editor_.AddObserver([this](const RecordChange& change) { host_->OnRecordChange(change); });
        host_->SetDesktopWheelLines([this] { return wheelLines_; });
        QObject::connect(host_, &SettingsColumn::Clicked, &main_, [this] { ++main_.notices; });
    }

    void Wheel(int delta) {
        QWheelEvent event(QPointF(100, 100), host_->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(host_, &event);
    }

    void OpenAll() {
        for (int k = kSectionCount - 1; k >= 0; --k)
            host_->Title(k)->click();
    }

    int TitleY(int k) const { return host_->Title(k)->y(); }

    MainWindow main_;
    int wheelLines_ = 3;
    SettingsColumn* host_;
    ScrollFrame* frame_;
};

TEST_F(SettingsHostTest, StartsClosedWithTheMinimumRange) {
    for (int k = 0; k < kSectionCount; ++k) {
        EXPECT_TRUE(host_->Stack().Closed(k));
        EXPECT_FALSE(host_->Panel(k)->isVisibleTo(host_));
        EXPECT_EQ(host_->Title(k)->geometry(), QRect(0, 2 + 25 * k, 242, 20));
    }
    EXPECT_EQ(host_->size(), QSize(247, 561));
    EXPECT_EQ(host_->VerticalScrollInfo(), (ScrollInfo{0, 562, 561, 0}));
    EXPECT_EQ(frame_->VerticalBar()->GetScrollInfo(), (ScrollInfo{0, 562, 561, 0}));
}

TEST_F(SettingsHostTest, TitleClicksOpenAndCloseAndNotifyTheMainWindow) {
    host_->Title(2)->click();
    EXPECT_TRUE(host_->Panel(2)->isVisibleTo(host_));
    EXPECT_EQ(host_->Panel(2)->pos(), QPoint(0, 72));
    EXPECT_EQ(TitleY(3), 72 + host_->Panel(2)->height() + 5);
    host_->Title(0)->click();
    EXPECT_EQ(TitleY(1), 22 + host_->Panel(0)->height() + 5);
    EXPECT_EQ(host_->Panel(2)->y(), TitleY(2) + 20);
    host_->Title(2)->click();
    EXPECT_EQ(TitleY(3), TitleY(2) + 25);
    EXPECT_FALSE(host_->Panel(2)->isVisibleTo(host_));
    QCoreApplication::sendPostedEvents(&main_);
    EXPECT_EQ(main_.notices, 3);
}

TEST_F(SettingsHostTest, EverySectionOpenScrollsByLinesPagesAndThumb) {
    OpenAll();
    const int range = host_->Stack().RangeHeight();
    EXPECT_EQ(range, 120 + 230 + 112 + 133 + 108 + 108 + 70 + 60);
    EXPECT_EQ(frame_->VerticalBar()->GetScrollInfo(), (ScrollInfo{0, range - 1, 561, 0}));

    Wheel(-120);  // one notch, three lines: one step of 60
    EXPECT_EQ(host_->Scroll().position, 60);
    EXPECT_EQ(TitleY(0), 2 - 60);  // the content moved up with it
    Wheel(-240);                   // two notches at once: two steps
    EXPECT_EQ(host_->Scroll().position, 180);
    Wheel(-60);  // half a notch does nothing until the other half comes
    EXPECT_EQ(host_->Scroll().position, 180);
    Wheel(-60);
    EXPECT_EQ(host_->Scroll().position, 240);
    Wheel(360);
    EXPECT_EQ(host_->Scroll().position, 60);
    EXPECT_EQ(frame_->VerticalBar()->GetScrollInfo().position, 60);

    wheelLines_ = kWheelScrollsPages;
    Wheel(120);
    EXPECT_EQ(host_->Scroll().position, 0);
    Wheel(-120);  // one page, at most to the last full page
    EXPECT_EQ(host_->Scroll().position, range - 561);

    // The bar's thumb dragged far past the end stops at the last full page.
    SkinScrollBar& bar = *frame_->VerticalBar();
    host_->VerticalScroll(ScrollRequest::ThumbPosition, 0);
    const int thumb = bar.Geometry().thumbOffset + 5;
    DragTo(bar, {6, thumb}, {6, thumb + 2000});
    EXPECT_EQ(host_->Scroll().position, range - 561);
    EXPECT_EQ(bar.GetScrollInfo().position, range - 561);
    EXPECT_EQ(TitleY(5), host_->Stack().TitleTop(5) - (range - 561));
    // The bar's arrow: one line up.
    Click(bar, {6, 3});
    EXPECT_EQ(host_->Scroll().position, range - 561 - 60);
}

TEST_F(SettingsHostTest, ClosingSectionsBringsThePositionBackWithinTheRange) {
    OpenAll();
    host_->VerticalScroll(ScrollRequest::ThumbPosition, 300);
    host_->CloseAllSections();
    EXPECT_EQ(host_->Scroll(), (ColumnScroll{563, 561, 2}));
    EXPECT_EQ(frame_->VerticalBar()->GetScrollInfo(), (ScrollInfo{0, 562, 561, 2}));
    EXPECT_EQ(TitleY(5), 127 - 2);
}

TEST_F(SettingsHostTest, AReplacedRecordRefreshesEveryPanelAndClosesEverySection) {
    host_->Title(0)->click();
    host_->Title(4)->click();
    MouseConfig loaded = record_;
    loaded.lightMode = 2;
    editor_.Replace(loaded, editor_.Labels());
    for (int k = 0; k < kSectionCount; ++k)
        EXPECT_TRUE(host_->Stack().Closed(k)) << k;
    EXPECT_EQ(TitleY(5), 127);
    // A change of one part leaves the sections as they are.
    host_->Title(1)->click();
    editor_.SetPointerSpeed(3);
    EXPECT_FALSE(host_->Stack().Closed(1));
}

// After Apply, a tray reopen or the mouse's arrival the panels show the record again, and the
// sections stay as the user left them.
TEST_F(SettingsHostTest, TheCurrentProfileAgainRefreshesThePanelsAndKeepsTheSections) {
    host_->Title(0)->click();
    host_->Title(4)->click();
    const int title5 = TitleY(5);
    MouseConfig sent = record_;
    sent.dpiLevel[2] = 40;
    editor_.ReloadedRecord(sent);
    editor_.ReloadedLabels(editor_.Labels());
    for (int k = 0; k < kSectionCount; ++k)
        EXPECT_EQ(host_->Stack().Closed(k), k != 0 && k != 4) << k;
    EXPECT_EQ(TitleY(5), title5);
    auto* dpi = static_cast<DpiPanel*>(host_->Panel(0));
    EXPECT_EQ(dpi->Slider(2)->Pos(), 40);
}

}  // namespace
}  // namespace vorlak
