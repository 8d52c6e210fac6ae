// SPDX-License-Identifier: GPL-3.0-or-later
// Every popup menu of the application wears the three-ring frame, SkinMenu or not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "controls/menu_frame_look.h"
#include "controls/skin_menu.h"

namespace vorlak {
namespace {

const QColor kOuter(143, 32, 32), kInner(111, 41, 41);

void ExpectFrame(QMenu& menu) {
    const QImage shot = menu.grab().toImage();
    const int w = shot.width(), h = shot.height();
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, h - 1}, {w / 2, 0}, {0, h / 2}})
        EXPECT_EQ(shot.pixelColor(x, y), kOuter) << x << "," << y;
    for (int ring = 1; ring <= 2; ++ring)
        for (const auto& [x, y] :
             {std::pair{ring, ring}, {w - 1 - ring, h - 1 - ring}, {w / 2, ring}, {ring, h / 2}})
            EXPECT_EQ(shot.pixelColor(x, y), kInner) << x << "," << y;
}

TEST(MenuFrameLookTest, FramesMenusNotBuiltAsSkinnedMenus) {
    InstallMenuFrameLook(*qApp);
    QStyle* installed = QApplication::style();
    InstallMenuFrameLook(*qApp);
    EXPECT_EQ(QApplication::style(), installed) << "installed once";

    QMenu tray;
    tray.addAction(QStringLiteral("Exit"));
    ExpectFrame(tray);
    EXPECT_GE(tray.actionGeometry(tray.actions().front()).left(), 3);
}

TEST(MenuFrameLookTest, FramesSkinnedMenusAgainWhenShownAgain) {
    SkinMenu menu;
    menu.AppendItem(1001, QStringLiteral("https://www.vorlak.example/"));
    menu.AppendItem(1003, QStringLiteral("Version:1.0"));
    menu.SetWidth(120);
    ExpectFrame(menu);
    menu.popup(QPoint(10, 10));
    menu.hide();
    menu.popup(QPoint(40, 40));
    ExpectFrame(menu);
    menu.hide();
}

}  // namespace
}  // namespace vorlak
