// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned popup menu: the width rule, item sizes, the item look and the commands.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/skin_menu.h"

namespace vorlak {
namespace {

const QColor kBackground(111, 41, 41), kSelected(143, 32, 32), kWhite(255, 255, 255);
constexpr int kFrame = 3;

struct WidthCase {
    int minimum;
    int leftMargin, rightMargin;
    int characters;
    bool widens;  // the item's text needs more than the owner's width
};

// The owner's width is a minimum: an item whose text (with the margins) needs more widens the
// menu to it, in the menu's font, also when the owner sets its width after the items.
TEST(SkinMenuTest, TheMenuIsAsWideAsItsWidestItemAndAtLeastTheOwnersWidth) {
    const WidthCase cases[] = {
        {120, 0, 0, 40, true}, {120, 0, 0, 3, false}, {0, 0, 0, 3, true},
        {0, 4, 6, 3, true},    {50, 0, 0, 0, false},
    };
    for (const WidthCase& c : cases) {
        SkinMenu menu;
        menu.SetWidth(c.minimum);
        menu.SetMargins(c.leftMargin, c.rightMargin);
        const QString text(c.characters, QLatin1Char('x'));
        menu.AppendItem(2001, text);
        const int advance = menu.fontMetrics().horizontalAdvance(text);
        const int needed =
            c.leftMargin + SkinMenu::kTextLeft + advance + SkinMenu::kTextRight + c.rightMargin;
        EXPECT_EQ(menu.Width(), c.widens ? needed : c.minimum) << c.minimum << " " << c.characters;
        EXPECT_EQ(menu.Width() > c.minimum, c.widens) << c.minimum << " " << c.characters;
    }
    SkinMenu menu;
    const QString longText(40, QLatin1Char('x'));
    menu.AppendItem(2001, longText);
    menu.AppendItem(SkinMenu::kSeparatorId, QString(80, QLatin1Char('x')));
    menu.SetWidth(120);
    EXPECT_EQ(menu.Width(), menu.WidthFor(longText)) << "the longest item holds, not a separator";
    EXPECT_LE(SkinMenu::kTextLeft + menu.fontMetrics().horizontalAdvance(longText), menu.Width());
}

TEST(SkinMenuTest, MeasuresItemsByTheirId) {
    SkinMenu menu;
    menu.SetWidth(100);
    EXPECT_EQ(menu.MeasureItem(SkinMenu::kSeparatorId), QSize(100, 5));
    EXPECT_EQ(menu.MeasureItem(SkinMenu::kHiddenItemId), QSize(100, 0));
    EXPECT_EQ(menu.MeasureItem(2), QSize(100, 20));
    EXPECT_EQ(menu.MeasureItem(2001), QSize(100, 20));
    menu.SetItemHeight(10);
    EXPECT_EQ(menu.MeasureItem(2001), QSize(100, 12));
}

// A menu of the kinds of item: command, separator, command with id 1, submenu.
class SkinMenuLayoutTest : public testing::Test {
protected:
    SkinMenuLayoutTest() {
        submenu_.AppendItem(2020, QStringLiteral("DPI +"));
        menu_.AppendItem(2001, QStringLiteral("Click"));
        menu_.AppendItem(0, QString());
        menu_.AppendItem(1, QStringLiteral("Nothing"));
        menu_.AppendItem(2002, QStringLiteral("DPI +"), &submenu_);
        menu_.SetWidth(120);
    }
    QAction* Item(int index) const { return menu_.actions().at(index); }

    SkinMenu menu_;
    SkinMenu submenu_;
};

TEST_F(SkinMenuLayoutTest, StacksItemsInsideTheFrame) {
    const int heights[] = {20, 5, 0, 20};
    int top = kFrame;
    for (int i = 0; i < 4; ++i) {
        const QRect item = menu_.actionGeometry(Item(i));
        if (heights[i] == 0) {
            EXPECT_EQ(item.height(), 0) << i;
            continue;
        }
        EXPECT_EQ(item, QRect(kFrame, top, 120, heights[i])) << i;
        top += heights[i];
    }
    EXPECT_EQ(menu_.sizeHint(), QSize(120 + 2 * kFrame, top + kFrame));
}

TEST_F(SkinMenuLayoutTest, DrawsItemsInTheSkinColours) {
    menu_.setActiveAction(Item(3));
    const QImage shot = menu_.grab().toImage();
    const QRect click = menu_.actionGeometry(Item(0));
    const QRect submenu = menu_.actionGeometry(Item(3));

    EXPECT_EQ(shot.pixelColor(click.left(), click.top()), kBackground);
    EXPECT_EQ(shot.pixelColor(submenu.left(), submenu.top()), kSelected) << "highlighted";

    // White text from 2 pixels in, vertically centred; no arrow at the submenu item's end.
    QRect text;
    for (int y = click.top(); y <= click.bottom(); ++y)
        for (int x = click.left(); x <= click.right(); ++x)
            if (shot.pixelColor(x, y) != kBackground)
                text |= QRect(x, y, 1, 1);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), click.left() + 2);
    EXPECT_LT(text.right(), click.left() + 60);
    EXPECT_NEAR(text.center().y(), click.center().y(), 3);
    for (int y = submenu.top(); y <= submenu.bottom(); ++y)
        for (int x = submenu.left() + 60; x <= submenu.right(); ++x)
            ASSERT_EQ(shot.pixelColor(x, y), kSelected) << x << "," << y;

    bool white = false;
    for (int x = click.left(); x < click.left() + 60 && !white; ++x)
        for (int y = click.top(); y <= click.bottom() && !white; ++y)
            white = shot.pixelColor(x, y) == kWhite;
    EXPECT_TRUE(white);

    const QRect separator = menu_.actionGeometry(Item(1));
    for (int y = separator.top(); y <= separator.bottom(); ++y)
        EXPECT_EQ(shot.pixelColor(separator.center().x(), y), kBackground) << y;
}

TEST_F(SkinMenuLayoutTest, ShowReturnsTheChosenCommand) {
    QSignalSpy chosen(&menu_, &SkinMenu::CommandChosen);
    QTimer::singleShot(0, &menu_, [this] {
        menu_.setActiveAction(Item(0));
        QTest::keyClick(&menu_, Qt::Key_Return);
    });
    EXPECT_EQ(menu_.Show(QPoint(20, 20)), 2001);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2001);
}

TEST_F(SkinMenuLayoutTest, ShowReturnsACommandOfASubmenu) {
    QSignalSpy chosen(&menu_, &SkinMenu::CommandChosen);
    QTimer::singleShot(0, &menu_, [this] {
        menu_.setActiveAction(Item(3));
        QTest::keyClick(&menu_, Qt::Key_Right);
        QTimer::singleShot(0, &submenu_, [this] {
            submenu_.setActiveAction(submenu_.actions().at(0));
            QTest::keyClick(&submenu_, Qt::Key_Return);
        });
    });
    EXPECT_EQ(menu_.Show(QPoint(20, 20)), 2020);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2020);
}

TEST_F(SkinMenuLayoutTest, ShowReturnsZeroWhenNothingIsChosen) {
    QTimer::singleShot(0, &menu_, [this] { QTest::keyClick(&menu_, Qt::Key_Escape); });
    EXPECT_EQ(menu_.Show(QPoint(20, 20)), 0);
}

TEST_F(SkinMenuLayoutTest, ItemTextsComeFromTheItemList) {
    EXPECT_EQ(menu_.Items().Entries().size(), 4u);
    EXPECT_EQ(menu_.Items().Entries()[3].sequence, 4);
    EXPECT_EQ(menu_.Items().TextOf(2001), QStringLiteral("Click"));
    EXPECT_EQ(menu_.Items().TextOf(SkinMenu::IdOf(Item(3))), QStringLiteral("DPI +"));
    EXPECT_EQ(menu_.Items().TextOf(4242), QString());
}

}  // namespace
}  // namespace vorlak
