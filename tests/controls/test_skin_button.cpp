// SPDX-License-Identifier: GPL-3.0-or-later
// The image button: which state bitmap shows, the caption's colour and place, pointer tracking
// and the click.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <functional>

#include "controls/skin_button.h"
#include "widget_input.h"

namespace vorlak {
namespace {

const QColor kNormal(10, 10, 10), kHover(20, 20, 20), kPressed(30, 30, 30), kDisabled(40, 40, 40);
constexpr QSize kSize(120, 24);

QImage Solid(const QColor& color) {
    QImage image(kSize + QSize(10, 10), QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

QColor Shown(SkinButton& button, QPoint at = {2, 2}) {
    return button.grab().toImage().pixelColor(at);
}

// The bounding box of the pixels that differ from the button's bitmap colour.
QRect CaptionBox(SkinButton& button, const QColor& bitmap) {
    const QImage shot = button.grab().toImage();
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) != bitmap)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool ShowsColor(SkinButton& button, const QColor& color) {
    const QImage shot = button.grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == color)
                return true;
    return false;
}

class SkinButtonTest : public testing::Test {
protected:
    SkinButtonTest() {
        button_.resize(kSize);
        button_.LoadBitmaps(QRect(QPoint(5, 5), kSize), Solid(kNormal), Solid(kHover),
                            Solid(kPressed), Solid(kDisabled));
    }
    SkinButton button_;
};

struct StateCase {
    const char* what;
    std::function<void(SkinButton&)> act;
    QColor shown;
};

TEST_F(SkinButtonTest, ShowsTheBitmapOfItsState) {
    const StateCase cases[] = {
        {"idle", [](SkinButton&) {}, kNormal},
        {"pointer over it",
         [](SkinButton& b) {
             Enter(b, {5, 5});
         },
         kHover},
        {"pointer moved off",
         [](SkinButton& b) {
             Enter(b, {5, 5});
             Leave(b);
         },
         kNormal},
        {"pressed",
         [](SkinButton& b) {
             Enter(b, {5, 5});
             Press(b, {5, 5});
         },
         kPressed},
        {"checked, pointer elsewhere", [](SkinButton& b) { b.SetChecked(true); }, kPressed},
        {"checked and hovered",
         [](SkinButton& b) {
             b.SetChecked(true);
             Enter(b, {5, 5});
         },
         kPressed},
        {"disabled", [](SkinButton& b) { b.setEnabled(false); }, kDisabled},
        {"disabled, checked and hovered",
         [](SkinButton& b) {
             Enter(b, {5, 5});
             b.SetChecked(true);
             b.setEnabled(false);
         },
         kDisabled},
    };
    for (const StateCase& c : cases) {
        SkinButton button;
        button.resize(kSize);
        button.LoadBitmaps(QRect(QPoint(5, 5), kSize), Solid(kNormal), Solid(kHover),
                           Solid(kPressed), Solid(kDisabled));
        c.act(button);
        EXPECT_EQ(Shown(button), c.shown) << c.what;
    }
}

TEST_F(SkinButtonTest, MissingImageLeavesItsStateUndrawn) {
    button_.LoadBitmaps(QRect(QPoint(0, 0), kSize), Solid(kNormal), QImage(), Solid(kPressed),
                        Solid(kDisabled));
    EXPECT_TRUE(button_.Bitmap(SkinButton::State::Hover).isNull());
    Enter(button_, {5, 5});
    EXPECT_NE(Shown(button_), kNormal);
    EXPECT_NE(Shown(button_), kHover);
}

TEST_F(SkinButtonTest, HoverStartsAtTheThreshold) {
    button_.SetHoverThreshold(50);
    Enter(button_, {40, 5});
    EXPECT_FALSE(button_.Hovered());
    Hover(button_, {50, 5});
    EXPECT_EQ(Shown(button_), kHover);
    Hover(button_, {49, 5});
    EXPECT_EQ(Shown(button_), kNormal);
}

TEST_F(SkinButtonTest, ClicksOnlyWhenReleasedOverIt) {
    QSignalSpy clicked(&button_, &QAbstractButton::clicked);
    Enter(button_, {5, 5});
    Press(button_, {5, 5});
    Release(button_, {6, 6});
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(button_.Checked()) << "a click never checks the button";

    Press(button_, {5, 5});
    Drag(button_, {200, 5});
    EXPECT_FALSE(button_.Hovered());
    EXPECT_EQ(Shown(button_), kNormal) << "dragged off: neither pressed nor hovered";
    Drag(button_, {5, 5});
    EXPECT_FALSE(button_.Hovered()) << "no hover while the button is held";
    Drag(button_, {200, 5});
    Release(button_, {200, 5});
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(SkinButtonTest, SameImageForEveryStateChangesOnlyTheCaptionColour) {
    button_.LoadBitmaps(QRect(QPoint(0, 0), kSize), Solid(kNormal), Solid(kNormal), Solid(kNormal),
                        Solid(kNormal));
    button_.SetText(QStringLiteral("HHHH"));
    button_.SetFontFace(QStringLiteral("DejaVu Sans"));
    button_.SetFontHeight(18);
    button_.SetHoverTextColor(QColor(255, 0, 0));
    button_.SetPressedTextColor(QColor(0, 255, 0));
    button_.SetDisabledTextColor(QColor(0, 0, 255));

    EXPECT_EQ(Shown(button_, {1, 1}), kNormal);
    EXPECT_TRUE(ShowsColor(button_, SkinButton::kDefaultTextColor));
    Enter(button_, {5, 5});
    EXPECT_EQ(Shown(button_, {1, 1}), kNormal);
    EXPECT_TRUE(ShowsColor(button_, QColor(255, 0, 0)));
    Leave(button_);
    button_.SetChecked(true);
    EXPECT_TRUE(ShowsColor(button_, QColor(0, 255, 0)));
    button_.setEnabled(false);
    EXPECT_TRUE(ShowsColor(button_, QColor(0, 0, 255)));
}

TEST_F(SkinButtonTest, PlacesTheCaption) {
    button_.SetText(QStringLiteral("Apply"));
    button_.SetFontFace(QStringLiteral("DejaVu Sans"));

    button_.SetIndent(20);
    const QRect indented = CaptionBox(button_, kNormal);
    EXPECT_GE(indented.left(), 25);
    EXPECT_LE(indented.left(), 27);
    EXPECT_NEAR(indented.center().y(), kSize.height() / 2, 2);

    button_.SetAlignment(SkinButton::Alignment::Centred);
    const QRect centred = CaptionBox(button_, kNormal);
    EXPECT_NEAR(centred.left() + centred.width() / 2, (5 + kSize.width()) / 2, 2)
        << "centred in the client rectangle less its 5-pixel left edge, indent unused";

    button_.SetAlignment(SkinButton::Alignment::Left);
    button_.SetIndent(0);
    const QRect left = CaptionBox(button_, kNormal);
    EXPECT_GE(left.left(), 5);
    EXPECT_LE(left.left(), 7);
    EXPECT_EQ(centred.width(), left.width());
}

}  // namespace
}  // namespace vorlak
