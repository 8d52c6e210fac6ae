// SPDX-License-Identifier: GPL-3.0-or-later
// The polling-rate dial, the two pointer dials and the wheel panel: clicks, typing and pastes
// on records holding values outside the panels' ranges, and the record bytes after each.
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "common/diagnostics.h"
#include "panel_fixture.h"
#include "panels/polling_rate_panel.h"
#include "panels/speed_dial.h"
#include "panels/wheel_panel.h"

namespace vorlak {
namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

using PollingPanelTest = PanelFixture;

TEST_F(PollingPanelTest, ClicksOnTheRingChooseTheQuarter) {
    const QPoint c = PollingRatePanel::kDialCentre;
    struct Case {
        QPoint at;
        Byte after;
    };
    const Case cases[] = {
        {c + QPoint(21, -28), 1},  // distance 35: on the ring
        {c + QPoint(38, 51), 2},  {c + QPoint(-38, 51), 4}, {c + QPoint(-45, -45), 8},
        {c + QPoint(21, -27), 8},  // 34.2: the hole keeps the rate
        {c + QPoint(46, 46), 8},   // 65.1: outside
        {c + QPoint(50, 0), 8},    // on the axes
        {c + QPoint(0, -50), 8},  {c + QPoint(-50, 0), 8},  {c + QPoint(0, 50), 8},
    };
    PollingRatePanel panel(context_, nullptr);
    Observed(panel);
    for (const Case& k : cases) {
        Click(panel, k.at);
        EXPECT_EQ(record_.pollingDivisor, k.after) << k.at.x() << "," << k.at.y();
    }
}

TEST_F(PollingPanelTest, StoredZeroIsPaintedAs500AndWrittenAs2OtherCodesStay) {
    const std::pair<Byte, Byte> cases[] = {{0, 2}, {3, 3}, {255, 255}, {4, 4}};
    for (const auto& [stored, painted] : cases) {
        Stored().pollingDivisor = stored;
        PollingRatePanel panel(context_, nullptr);
        Observed(panel);
        EXPECT_EQ(record_.pollingDivisor, stored) << "before the first paint";
        panel.grab();
        EXPECT_EQ(record_.pollingDivisor, painted);
    }
}

using DialPanelTest = PanelFixture;

TEST_F(DialPanelTest, ClicksChooseStepsByAngleAndRepairStoredValues) {
    const QPoint c = SpeedDial::kCentre;
    struct Case {
        const char* what;
        Byte stored;
        QPoint at;
        Byte after;
    };
    const Case cases[] = {
        {"0 degrees: right end", 6, c + QPoint(50, 0), 11},
        {"18 degrees", 6, c + QPoint(60, -20), 10},
        {"90 degrees: straight up", 6, c + QPoint(0, -50), 7},
        {"162 degrees", 6, c + QPoint(-60, -19), 2},
        {"174.99 degrees", 6, c + QPoint(-57, -5), 2},
        {"175 degrees and over", 6, c + QPoint(-60, -5), 1},
        {"left end", 6, c + QPoint(-50, 0), 1},
        {"just inside 43", 6, c + QPoint(0, -43), 7},
        {"just outside 43", 3, c + QPoint(0, -42), 3},
        {"just inside 71", 6, c + QPoint(0, -71), 7},
        {"just outside 71", 3, c + QPoint(0, -72), 3},
        {"off the ring repairs 0", 0, c + QPoint(0, -42), 1},
        {"and 12", 12, c + QPoint(0, -42), 11},
        {"and 255", 255, c + QPoint(-80, -80), 11},
        {"below the centre: nothing", 0, c + QPoint(0, 50), 0},
        {"one pixel below", 12, c + QPoint(-50, 1), 12},
    };
    for (const Case& k : cases) {
        Stored().pointerSpeed = k.stored;
        Stored().doubleClickStep = k.stored;
        PointerSpeedPanel speed(context_, nullptr);
        Observed(speed);
        DoubleClickPanel doubleClick(context_, nullptr);
        Observed(doubleClick);
        Click(speed, k.at);
        Click(doubleClick, k.at);
        EXPECT_EQ(record_.pointerSpeed, k.after) << k.what;
        EXPECT_EQ(record_.doubleClickStep, k.after) << k.what;
    }
}

TEST_F(DialPanelTest, ClickBelowTheCentreDoesNotEvenRepaint) {
    Stored().pointerSpeed = 0;
    PointerSpeedPanel panel(context_, nullptr);
    Observed(panel);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QCoreApplication::processEvents();
    PaintCounter counter(panel);
    Click(panel, SpeedDial::kCentre + QPoint(0, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    Click(panel, SpeedDial::kCentre + QPoint(0, -50));
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(DialPanelTest, DoubleClickPanelTracesTheAngle) {
    std::vector<std::string> lines;
    const DiagnosticSink old =
        SetDiagnosticSink([&lines](std::string_view line) { lines.emplace_back(line); });
    DoubleClickPanel panel(context_, nullptr);
    Observed(panel);
    Click(panel, SpeedDial::kCentre + QPoint(0, -50));
    Click(panel, SpeedDial::kCentre + QPoint(0, -30));  // off the ring: no angle
    SetDiagnosticSink(old);
    EXPECT_EQ(lines, std::vector<std::string>{"angle/18:angle=90.000000,angle/18=5\n"});
}

using WheelPanelTest = PanelFixture;

TEST_F(WheelPanelTest, ShowsOutOfRangeValuesWithoutChangingThem) {
    struct Case {
        Byte page, lines;
        bool enabled;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, true, "0"},  {0, 101, true, "101"}, {0, 255, true, "255"},
        {1, 3, false, "0"}, {7, 3, false, "0"},
    };
    for (const Case& c : cases) {
        Stored().wheelPageScroll = c.page;
        Stored().wheelLines = c.lines;
        WheelPanel panel(context_, nullptr);
        Observed(panel);
        EXPECT_EQ(panel.Field()->isEnabled(), c.enabled) << int{c.page};
        EXPECT_EQ(panel.Field()->text(), c.text) << int{c.lines};
        panel.grab();
        EXPECT_EQ(record_.wheelLines, c.lines);
        EXPECT_EQ(record_.wheelPageScroll, c.page);
    }
}

TEST_F(WheelPanelTest, TypedAndPastedTexts) {
    struct Case {
        const char* typed;
        const char* shown;
        Byte lines;
    };
    const Case cases[] = {
        {"0", "1", 1},     {"101", "1", 1}, {"100", "100", 100},
        {"7", "7", 7},     {"abc", "3", 3},  // letters never reach the field
        {"4x2", "42", 42},
    };
    for (const Case& c : cases) {
        Stored().wheelLines = 3;
        WheelPanel panel(context_, nullptr);
        Observed(panel);
        panel.Field()->selectAll();
        QTest::keyClicks(panel.Field(), c.typed);
        EXPECT_EQ(panel.Field()->text(), c.shown) << c.typed;
        EXPECT_EQ(record_.wheelLines, c.lines) << c.typed;
    }
    Stored().wheelLines = 3;
    WheelPanel panel(context_, nullptr);
    Observed(panel);
    const std::pair<const char*, Byte> pastes[] = {{"12a", 3}, {"64", 64}, {"500", 1}};
    for (const auto& [pasted, lines] : pastes) {
        QApplication::clipboard()->setText(pasted);
        panel.Field()->selectAll();
        panel.Field()->paste();
        EXPECT_EQ(record_.wheelLines, lines) << pasted;
    }
}

TEST_F(WheelPanelTest, ArrowsAndModeSwitches) {
    const QPoint up = WheelPanel::UpArrow().center();
    const QPoint down = WheelPanel::DownArrow().center();
    const QPoint linesMark = WheelPanel::LinesMark().center();
    const QPoint screenMark = WheelPanel::ScreenMark().center();
    struct Case {
        const char* what;
        Byte page, lines;
        std::vector<QPoint> clicks;
        Byte pageAfter, linesAfter;
        const char* text;
    };
    const Case cases[] = {
        {"up", 0, 3, {up}, 0, 4, "4"},
        {"up at 100 stays", 0, 100, {up}, 0, 100, "100"},
        {"down at 1 stays", 0, 1, {down}, 0, 1, "1"},
        {"down from 101", 0, 101, {down}, 0, 100, "100"},
        {"up from 255 wraps to 0, which the field turns into 1", 0, 255, {up}, 0, 1, "1"},
        {"down from 0 wraps to 255, which the field turns into 1", 0, 0, {down}, 0, 1, "1"},
        {"arrows do nothing in one-screen mode", 1, 5, {up, down, up}, 1, 5, "0"},
        {"one screen and back keeps the count", 0, 9, {screenMark, linesMark}, 0, 9, "9"},
        {"one screen keeps the field's text", 0, 9, {screenMark}, 1, 9, "9"},
        {"page flag 7 back to lines", 7, 12, {linesMark}, 0, 12, "12"},
        {"lines mark repairs a stored 0", 0, 0, {linesMark}, 0, 1, "1"},
        {"the mark's bottom edge is outside", 0, 9, {{5, 62}}, 0, 9, "9"},
    };
    for (const Case& c : cases) {
        Stored().wheelPageScroll = c.page;
        Stored().wheelLines = c.lines;
        WheelPanel panel(context_, nullptr);
        Observed(panel);
        for (const QPoint& at : c.clicks)
            Click(panel, at);
        EXPECT_EQ(record_.wheelPageScroll, c.pageAfter) << c.what;
        EXPECT_EQ(record_.wheelLines, c.linesAfter) << c.what;
        EXPECT_EQ(panel.Field()->text(), c.text) << c.what;
        EXPECT_EQ(panel.Field()->isEnabled(), c.pageAfter == 0) << c.what;
    }
}

}  // namespace
}  // namespace vorlak
