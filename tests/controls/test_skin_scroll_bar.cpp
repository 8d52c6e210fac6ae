// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned scroll bar on a clock the test drives: one step at once, nothing for 500 ms,
// then one every 100 ms; the pause off the pressed part; the thumb drag's requests; the skin
// rows it paints from; and the frame that mirrors its window's scroll state.
#include <gtest/gtest.h>

#include <QTest>

#include <vector>

#include "controls/scroll_frame.h"
#include "controls/skin_scroll_bar.h"
#include "controls/skin_scrollable.h"
#include "manual_timers.h"
#include "widget_input.h"

namespace vorlak {
namespace {

constexpr int kCell = 13;
constexpr int kRow = 16;

// A skin whose cells each have a colour of their own: column c, row r -> (c * 20, r * 80, 200).
// The normal row's top square is lighter below its first 13 lines, so that a paint from the
// whole cell and one from the top square differ.
QImage CellSkin() {
    QImage skin(9 * kCell, 3 * kRow, QImage::Format_RGB32);
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x)
            skin.setPixelColor(x, y,
                               QColor(x / kCell * 20, y / kRow * 80, y % kRow < kCell ? 200 : 0));
    }
    return skin;
}

QColor CellColor(int column, int row) {
    return QColor(column * 20, row * 80, 200);
}

struct Request {
    ScrollRequest request;
    int position;
    int at;
    bool operator==(const Request&) const = default;
};

class SkinScrollBarTest : public testing::Test {
protected:
    SkinScrollBarTest() {
        auto timers = std::make_unique<ManualTimers>();
        clock_ = timers.get();
        bar_ = new SkinScrollBar(&parent_, std::move(timers));
        bar_->SetBitmap(CellSkin());
        bar_->setGeometry(0, 0, kCell, 561);
        bar_->SetScrollInfo({0, 940, 561, 190}, false);  // thumb [121, 439)
        QObject::connect(bar_, &SkinScrollBar::Scroll, [this](ScrollRequest r, int p) {
            requests_.push_back({r, p, clock_->Now()});
            if (follow_)
                Follow(r, p);
        });
    }

    // The owner's side: scrolls by 60 or a page within 0...380 and gives the bar the result.
    void Follow(ScrollRequest r, int p) {
        ScrollInfo info = bar_->GetScrollInfo();
        const int steps[] = {-60, 60, -561, 561, 0, 0};
        int position = info.position + steps[static_cast<int>(r)];
        if (r == ScrollRequest::ThumbTrack || r == ScrollRequest::ThumbPosition)
            position = p;
        info.position = std::clamp(position, 0, 380);
        bar_->SetScrollInfo(info, true);
    }

    std::vector<int> Times() const {
        std::vector<int> at;
        for (const Request& r : requests_)
            at.push_back(r.at);
        return at;
    }

    QColor Pixel(int y) const { return bar_->grab().toImage().pixelColor(6, y); }

    QWidget parent_;
    SkinScrollBar* bar_;
    ManualTimers* clock_;
    std::vector<Request> requests_;
    bool follow_ = false;
};

TEST_F(SkinScrollBarTest, HeldArrowStepsAtOnceThenAfter500ThenEvery100) {
    Press(*bar_, {6, 5});
    clock_->Advance(499);
    EXPECT_EQ(Times(), (std::vector<int>{0}));
    clock_->Advance(351);
    EXPECT_EQ(Times(), (std::vector<int>{0, 500, 600, 700, 800}));
    EXPECT_TRUE(bar_->Repeating());
    Release(*bar_, {6, 5});
    clock_->Advance(1000);
    EXPECT_EQ(requests_.size(), 5u);
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kRepeatTimer));
    for (const Request& r : requests_)
        EXPECT_EQ(r.request, ScrollRequest::LineUp);
}

TEST_F(SkinScrollBarTest, ReleaseBeforeTheFirstRepeatSendsOneStep) {
    Press(*bar_, {6, 555});
    clock_->Advance(300);
    Release(*bar_, {6, 555});
    clock_->Advance(1000);
    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(requests_[0].request, ScrollRequest::LineDown);
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kStartTimer));
}

TEST_F(SkinScrollBarTest, RepeatEndsAtEitherEnd) {
    follow_ = true;
    Press(*bar_, {6, 5});  // 190 -> 130, then 70, 10, 0
    clock_->Advance(2000);
    EXPECT_EQ(Times(), (std::vector<int>{0, 500, 600, 700}));
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kRepeatTimer));
    Release(*bar_, {6, 5});
    requests_.clear();
    bar_->SetScrollInfo({0, 940, 561, 300}, false);
    Press(*bar_, {6, 555});  // 300 -> 360, 380: the last full page
    clock_->Advance(2000);
    EXPECT_EQ(Times(), (std::vector<int>{2000, 2500}));
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kRepeatTimer));
}

TEST_F(SkinScrollBarTest, PointerOffTheArrowPausesTheRepeat) {
    Press(*bar_, {6, 5});
    Drag(*bar_, {6, 300});
    EXPECT_TRUE(bar_->Outside());
    clock_->Advance(1000);
    EXPECT_EQ(Times(), (std::vector<int>{0}));
    Drag(*bar_, {6, 4});
    clock_->Advance(250);
    EXPECT_EQ(Times(), (std::vector<int>{0, 1100, 1200}));
}

TEST_F(SkinScrollBarTest, HeldTrackPagesUntilTheThumbReachesThePointer) {
    follow_ = true;
    Press(*bar_, {6, 500});  // page down: 190 -> 380, the thumb then covers [230, 548)
    clock_->Advance(1000);
    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(requests_[0].request, ScrollRequest::PageDown);
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kRepeatTimer));
}

TEST_F(SkinScrollBarTest, ThumbDragSendsTrackOnChangesAndOnePositionOnRelease) {
    Press(*bar_, {6, 200});
    EXPECT_TRUE(bar_->Dragging());
    Drag(*bar_, {6, 210});  // 190 + 10 * 380 / 217
    Drag(*bar_, {6, 210});
    Drag(*bar_, {6, 211});  // + 19
    Drag(*bar_, {6, 900});  // the last full page
    Release(*bar_, {6, 900});
    const std::vector<Request> expected = {{ScrollRequest::ThumbTrack, 207, 0},
                                           {ScrollRequest::ThumbTrack, 209, 0},
                                           {ScrollRequest::ThumbTrack, 380, 0},
                                           {ScrollRequest::ThumbPosition, 380, 0}};
    EXPECT_EQ(requests_, expected);
    EXPECT_FALSE(bar_->Dragging());
    EXPECT_EQ(bar_->GetScrollInfo().trackPosition, -1);
    EXPECT_FALSE(clock_->Running(SkinScrollBar::kStartTimer));
}

TEST_F(SkinScrollBarTest, DoubleClickIsSwallowed) {
    SendMouse(*bar_, QEvent::MouseButtonDblClick, {6, 5}, Qt::LeftButton, Qt::LeftButton);
    Release(*bar_, {6, 5});
    clock_->Advance(1000);
    EXPECT_TRUE(requests_.empty());
}

TEST_F(SkinScrollBarTest, PaintsEachPartFromItsSkinCellAndRow) {
    bar_->show();
    // The plain paint takes the top square of the normal cells.
    EXPECT_EQ(Pixel(6), CellColor(0, 0));
    EXPECT_EQ(Pixel(555), CellColor(1, 0));
    EXPECT_EQ(Pixel(60), CellColor(3, 0));
    EXPECT_EQ(Pixel(280), CellColor(2, 0));
    Hover(*bar_, {6, 5});
    EXPECT_EQ(bar_->HotPart(), ScrollPart::FirstArrow);
    EXPECT_EQ(Pixel(6), CellColor(0, 1));
    Press(*bar_, {6, 5});
    EXPECT_EQ(Pixel(6), CellColor(0, 2));
    Drag(*bar_, {6, 300});  // off the arrow: drawn normal
    EXPECT_EQ(Pixel(6), CellColor(0, 0));
    Release(*bar_, {6, 300});
    Press(*bar_, {6, 280});  // the thumb, pressed while dragged
    EXPECT_EQ(Pixel(280), CellColor(2, 2));
    Release(*bar_, {6, 280});
    Leave(*bar_);
    EXPECT_EQ(bar_->HotPart(), ScrollPart::None);
}

// A window with a scroll state of its own that takes 60-pixel line steps.
class FakeScrollable : public SkinScrollable {
public:
    using SkinScrollable::SkinScrollable;
    ScrollInfo info{0, 562, 561, 0};
    std::vector<ScrollRequest> received;

    ScrollInfo VerticalScrollInfo() const override { return info; }
    void VerticalScroll(ScrollRequest request, int) override {
        received.push_back(request);
        if (request == ScrollRequest::LineDown)
            SetPosition(std::min(info.position + 60, info.Travel()));
    }
    void SetPosition(int position) {
        info.position = position;
        emit ScrollInfoChanged();
    }
};

TEST(ScrollFrameTest, TakesTheWindowsPlaceAndMirrorsItsState) {
    QWidget main;
    auto* window = new FakeScrollable(&main);
    window->setGeometry(735, 32, 260, 561);
    ScrollFrame frame(*window, CellSkin());
    EXPECT_EQ(frame.parentWidget(), &main);
    EXPECT_EQ(frame.geometry(), QRect(735, 32, 260, 561));
    EXPECT_EQ(window->parentWidget(), frame.Inner());
    EXPECT_EQ(window->geometry(), QRect(0, 0, 247, 561));
    EXPECT_EQ(frame.VerticalBar()->geometry(), QRect(247, 0, 13, 561));
    EXPECT_EQ(frame.VerticalBar()->GetScrollInfo(), window->info);

    Press(*frame.VerticalBar(), {6, 555});
    Release(*frame.VerticalBar(), {6, 555});
    EXPECT_EQ(window->received, std::vector<ScrollRequest>{ScrollRequest::LineDown});
    EXPECT_EQ(frame.VerticalBar()->GetScrollInfo().position, 2);

    window->info.maximum = 940;  // the window's own doing: shown at once
    window->SetPosition(100);
    EXPECT_EQ(frame.VerticalBar()->GetScrollInfo(), window->info);
}

}  // namespace
}  // namespace vorlak
