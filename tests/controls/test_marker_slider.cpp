// SPDX-License-Identifier: GPL-3.0-or-later
// Marker sliders: pointer-to-value mapping, the gauge painting with its divisor, the release
// notice and the drag rules.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QSignalSpy>

#include <vector>

#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "widget_input.h"

namespace vorlak {
namespace {

const QColor kTrack(200, 0, 0), kFill(0, 200, 0), kFillTop(0, 0, 200);

QImage Solid(const QColor& color, QSize size = {300, 300}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// The lighting panel's horizontal slider (1...6, 128 pixels) and the DPI panel's vertical one
// (1...54, 169 pixels).
class MarkerSliderTest : public testing::Test {
protected:
    MarkerSliderTest()
        : horizontal_(&window_, ToQRect(PixelRect{100, 20, 228, 28})),
          vertical_(&window_, ToQRect(PixelRect{35, 3, 42, 172})) {
        horizontal_.SetRange(1, 6);
        vertical_.SetRange(1, 54);
        QImage fill = Solid(kFill);
        for (int x = 0; x < fill.width(); ++x)
            fill.setPixelColor(x, 0, kFillTop);
        for (MarkerSlider* slider :
             std::initializer_list<MarkerSlider*>{&horizontal_, &vertical_}) {
            slider->SetImages(QRect(0, 0, 300, 300), Solid(kTrack), fill);
            QObject::connect(slider, &MarkerSlider::MarkerPos, [this, slider](int position) {
                reported_.emplace_back(slider, position);
            });
        }
    }

    static void Click(MarkerSlider& slider, QPoint at) {
        Press(slider, at);
        Release(slider, at);
    }

    QWidget window_;
    // What the sliders reported to their owner, in order.
    std::vector<std::pair<MarkerSlider*, int>> reported_;
    MarkerSlider horizontal_;
    VerticalMarkerSlider vertical_;
};

struct MappingCase {
    bool vertical;
    QPoint release;
    int posted;
};

TEST_F(MarkerSliderTest, ReleaseReportsTheValueUnderThePointer) {
    const MappingCase cases[] = {
        {false, {64, 4}, 3},                        // 1 + 64 * 5 / 128
        {false, {127, 4}, 5},                       // the maximum only at the far end
        {false, {128, 4}, 6},                       // right edge
        {false, {400, 4}, 6},                       // right of the slider
        {false, {-30, 4}, 1},                       // left of it
        {false, {0, 40}, 1},                        // the other axis plays no part
        {true, {3, 84}, 27},                        // 1 + (169 - 84) * 53 / 169
        {true, {3, 0}, 54},                         // top edge
        {true, {3, -20}, 54},                       // above
        {true, {3, 1}, 53},   {true, {3, 169}, 1},  // bottom edge
        {true, {3, 300}, 1},                        // below
    };
    for (const MappingCase& c : cases) {
        reported_.clear();
        MarkerSlider& slider = c.vertical ? static_cast<MarkerSlider&>(vertical_) : horizontal_;
        Click(slider, c.release);
        ASSERT_EQ(reported_.size(), 1u);
        EXPECT_EQ(reported_[0].second, c.posted) << c.release.x() << "," << c.release.y();
        EXPECT_EQ(reported_[0].first, &slider);
        EXPECT_EQ(slider.Pos(), c.posted);
    }
}

TEST_F(MarkerSliderTest, SetPosOutsideTheRangeSetsTheMinimum) {
    for (auto [given, kept] : {std::pair{6, 6}, {1, 1}, {7, 1}, {0, 1}, {-4, 1}, {3, 3}}) {
        horizontal_.SetPos(given);
        EXPECT_EQ(horizontal_.Pos(), kept) << given;
    }
}

// Where the gauge of the horizontal slider ends: the first column showing the track.
int FilledColumns(MarkerSlider& slider) {
    const QImage shot = slider.grab().toImage();
    int x = 0;
    while (x < shot.width() && shot.pixelColor(x, 4) != kTrack)
        ++x;
    return x;
}

// How many rows from the bottom of the vertical slider show the fill.
int FilledRows(MarkerSlider& slider) {
    const QImage shot = slider.grab().toImage();
    int rows = 0;
    while (rows < shot.height() && shot.pixelColor(3, shot.height() - 1 - rows) != kTrack)
        ++rows;
    return rows;
}

TEST_F(MarkerSliderTest, GaugeIsFullOneStepBelowTheMaximum) {
    for (auto [position, columns] : {std::pair{1, 0}, {2, 32}, {3, 64}, {5, 128}, {6, 128}}) {
        horizontal_.SetPos(position);
        EXPECT_EQ(FilledColumns(horizontal_), columns) << position;
    }
    for (auto [position, rows] : {std::pair{1, 0}, {2, 3}, {27, 84}, {53, 169}, {54, 169}}) {
        vertical_.SetPos(position);
        EXPECT_EQ(FilledRows(vertical_), rows) << position;
    }
}

TEST_F(MarkerSliderTest, VerticalGaugeShowsTheFillFromItsTopEdgeUpward) {
    vertical_.SetPos(27);
    const QImage shot = vertical_.grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 84), kTrack);
    EXPECT_EQ(shot.pixelColor(3, 85), kFillTop);
    EXPECT_EQ(shot.pixelColor(3, 168), kFill);
}

TEST_F(MarkerSliderTest, ImagesAreCutToTheRegion) {
    QImage track = Solid(kTrack, {130, 11});
    for (int y = 0; y < 11; ++y)
        track.setPixelColor(0, y, kFillTop);
    horizontal_.SetImages(ToQRect(PixelRect{1, 0, 128, 11}), track, Solid(kFill, {130, 11}));
    horizontal_.SetPos(1);
    const QImage shot = horizontal_.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 4), kTrack) << "taken one pixel in from the left edge";
    EXPECT_EQ(shot.pixelColor(126, 4), kTrack);
}

TEST_F(MarkerSliderTest, RangeOfOneStepDoesNotDivideByZero) {
    horizontal_.SetRange(1, 2);
    horizontal_.SetPos(2);
    EXPECT_EQ(FilledColumns(horizontal_), 128);
    horizontal_.SetPos(1);
    EXPECT_EQ(FilledColumns(horizontal_), 0);
    horizontal_.SetRange(4, 4);
    horizontal_.SetPos(4);
    EXPECT_EQ(FilledColumns(horizontal_), 0);
    Click(horizontal_, {100, 4});
    EXPECT_EQ(horizontal_.Pos(), 4);
}

TEST_F(MarkerSliderTest, SliderWithoutSizeReportsTheMinimum) {
    MarkerSlider empty(&window_, QRect());
    QSignalSpy signalled(&empty, &MarkerSlider::MarkerPos);
    empty.SetRange(1, 11);
    Click(empty, {5, 5});
    ASSERT_EQ(signalled.count(), 1);
    EXPECT_EQ(signalled.front(), QList<QVariant>{1});
}

TEST_F(MarkerSliderTest, DragMovesTheMarkerAndNotifiesOnRelease) {
    QSignalSpy signalled(&horizontal_, &MarkerSlider::MarkerPos);
    horizontal_.SetPos(2);
    Press(horizontal_, {100, 4});
    EXPECT_TRUE(horizontal_.Dragging());
    EXPECT_EQ(horizontal_.Pos(), 2) << "a press alone changes nothing";
    Drag(horizontal_, {64, 4});
    EXPECT_EQ(horizontal_.Pos(), 3);
    EXPECT_EQ(FilledColumns(horizontal_), 64);
    EXPECT_TRUE(reported_.empty()) << "nothing is reported while moving";

    Release(horizontal_, {128, 4});
    EXPECT_FALSE(horizontal_.Dragging());
    ASSERT_EQ(signalled.count(), 1);
    EXPECT_EQ(signalled.front(), QList<QVariant>{6});
}

TEST_F(MarkerSliderTest, FocusLossEndsTheDragWithoutANotice) {
    Press(horizontal_, {10, 4});
    Drag(horizontal_, {64, 4});
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(&horizontal_, &focusOut);
    EXPECT_FALSE(horizontal_.Dragging());
    Drag(horizontal_, {128, 4});
    EXPECT_EQ(horizontal_.Pos(), 3);
    EXPECT_TRUE(reported_.empty());
}

TEST_F(MarkerSliderTest, WithDraggingSwitchedOffOnlyTheReleaseCounts) {
    horizontal_.SetDragEnabled(false);
    horizontal_.SetPos(5);
    Press(horizontal_, {10, 4});
    EXPECT_FALSE(horizontal_.Dragging());
    Drag(horizontal_, {64, 4});
    EXPECT_EQ(horizontal_.Pos(), 5);
    Release(horizontal_, {64, 4});
    EXPECT_EQ(reported_, (std::vector<std::pair<MarkerSlider*, int>>{{&horizontal_, 3}}));
}

}  // namespace
}  // namespace vorlak
