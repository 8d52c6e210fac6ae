// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/splash_screen.h"

#include <gtest/gtest.h>

#include <QTest>

#include "controls/skin_image.h"

namespace vorlak {
namespace {

TEST(SplashScreenTest, TakesThePictureSizeAndCannotBeClosedEarly) {
    const std::filesystem::path bin = VORLAK_BIN_DIR;
    SplashScreen splash(bin);
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
