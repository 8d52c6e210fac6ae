// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dlg_splash.h"

#include <gtest/gtest.h>

#include <QTest>

#include "controls/skin_image.h"

namespace vorlak {
namespace {

TEST(DlgSplashTest, TakesThePictureSizeAndCannotBeClosedEarly) {
    const std::filesystem::path bin = VORLAK_BIN_DIR;
    CDlgSplash splash(bin);
    EXPECT_EQ(splash.size(), SkinImage(bin, "Skins/splash.png").size());
    splash.show();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space})
        QTest::keyClick(&splash, key);
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::mouseClick(&splash, Qt::RightButton);
    splash.close();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.result(), 0);
}

}  // namespace
}  // namespace vorlak
