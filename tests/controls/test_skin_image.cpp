// SPDX-License-Identifier: GPL-3.0-or-later
// Skin images: decoding, the twice-sized twins, alpha-blended drawing, opaque cuts and the
// process-wide cache.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "controls/skin_image.h"
#include "controls/skin_path.h"
#include "test_folder.h"

namespace vorlak {
namespace {

constexpr QRgb kBackground = 0xff0a141e;  // RGB(10,20,30)

class SkinImageTest : public testing::Test {
protected:
    // Writes a one-row PNG with these straight-alpha pixels into the Skins folder.
    QString WriteSkin(const char* name, std::initializer_list<QRgb> pixels) {
        std::filesystem::create_directories(folder_.Path("Skins"));
        QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_ARGB32);
        int x = 0;
        for (QRgb pixel : pixels)
            image.setPixel(x++, 0, pixel);
        const QString path = SkinPath(folder_.Root(), std::string("Skins/") + name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    static QImage Background(int width) {
        QImage target(width, 1, QImage::Format_RGB32);
        target.fill(kBackground);
        return target;
    }
    // Writes a two-pixel red skin and its twice-sized twin (Twin()).
    QString WriteWithTwin(const std::string& stem) {
        const QString path = WriteSkin((stem + ".png").c_str(), {qRgb(255, 0, 0), qRgb(255, 0, 0)});
        EXPECT_TRUE(Twin().save(SkinPath(folder_.Root(), "Skins/" + stem + "@2x.png"), "PNG"));
        return path;
    }
    // Columns of 0x10, 0x20, ... grey in two rows.
    static QImage Twin() {
        QImage twin(4, 2, QImage::Format_RGB32);
        for (int x = 0; x < 4; ++x) {
            for (int y = 0; y < 2; ++y)
                twin.setPixel(x, y, qRgb(0x10 * (x + 1), 0x10 * (x + 1), 0x10 * (x + 1)));
        }
        return twin;
    }
    static QRgb Raw(const QImage& image, int x) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(0))[x];
    }

    TestFolder folder_;
};

TEST_F(SkinImageTest, DrawsSourceOverTheBackground) {
    const QString path = WriteSkin(
        "blend.png", {qRgba(255, 0, 0, 0), qRgba(0, 255, 0, 255), qRgba(200, 100, 0, 128)});
    QImage target = Background(3);
    QPainter painter(&target);
    ASSERT_TRUE(DrawSkinImage(painter, path, 0, 0));
    painter.end();

    EXPECT_EQ(target.pixel(0, 0), kBackground) << "a fully transparent pixel changes nothing";
    EXPECT_EQ(target.pixel(1, 0), qRgb(0, 255, 0));
    // 200 * 128 / 255 = 100 over 10 * 127 / 255 = 5, and so on.
    const QColor half = target.pixelColor(2, 0);
    EXPECT_NEAR(half.red(), 105, 1);
    EXPECT_NEAR(half.green(), 60, 1);
    EXPECT_NEAR(half.blue(), 15, 1);
}

TEST_F(SkinImageTest, DrawsAtThePositionAtNaturalSize) {
    const QString path = WriteSkin("dot.png", {qRgb(255, 255, 255)});
    QImage target = Background(4);
    QPainter painter(&target);
    ASSERT_TRUE(DrawSkinImage(painter, folder_.Root(), "\\skins\\dot.png", 2, 0));
    painter.end();
    EXPECT_EQ(target.pixel(1, 0), kBackground);
    EXPECT_EQ(target.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(3, 0), kBackground);
}

TEST_F(SkinImageTest, PremultipliesWithTruncatingDivision) {
    const QString path = WriteSkin("alpha.png", {qRgba(200, 100, 255, 200), qRgba(9, 9, 9, 0)});
    const QImage image = SkinImage(path);
    ASSERT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(Raw(image, 0), qRgba(156, 78, 200, 200));  // 40000 / 255 = 156.86 -> 156
    EXPECT_EQ(Raw(image, 1), qRgba(0, 0, 0, 0));
}

TEST_F(SkinImageTest, MissingFileDrawsNothing) {
    QImage target = Background(2);
    QPainter painter(&target);
    EXPECT_FALSE(DrawSkinImage(painter, folder_.Root(), "Skins\\absent.png", 0, 0));
    painter.end();
    EXPECT_EQ(target.pixel(0, 0), kBackground);
    EXPECT_TRUE(SkinImage(folder_.Root(), "Skins\\absent.png").isNull());
}

TEST_F(SkinImageTest, DecodesEachFileOnceWhateverItsSpelling) {
    const QString path = WriteSkin("once.png", {qRgb(1, 2, 3)});
    const QImage first = SkinImage(folder_.Root(), "Skins\\once.png");
    ASSERT_FALSE(first.isNull());
    ASSERT_TRUE(QFile::remove(path));

    EXPECT_EQ(SkinImage(folder_.Root(), "/skins//once.png").cacheKey(), first.cacheKey());
    QImage target = Background(1);
    QPainter painter(&target);
    EXPECT_TRUE(DrawSkinImage(painter, path, 0, 0)) << "painting again reads no file";
    painter.end();
    EXPECT_EQ(target.pixel(0, 0), qRgb(1, 2, 3));

    // A file that was missing at its first use is not looked for again.
    EXPECT_TRUE(SkinImage(folder_.Root(), "Skins\\late.png").isNull());
    WriteSkin("late.png", {qRgb(1, 2, 3)});
    EXPECT_TRUE(SkinImage(folder_.Root(), "Skins\\late.png").isNull());
}

TEST_F(SkinImageTest, CutsOpaqueBitmaps) {
    const QImage image = SkinImage(
        WriteSkin("cut.png", {qRgb(10, 10, 10), qRgba(255, 0, 0, 0), qRgba(200, 200, 200, 200)}));
    const QImage cut = CutSkinBitmap(image, QRect(1, 0, 3, 1));
    ASSERT_EQ(cut.size(), QSize(3, 1));
    EXPECT_FALSE(cut.hasAlphaChannel());
    EXPECT_EQ(cut.pixel(0, 0), qRgb(0, 0, 0)) << "transparent comes out black";
    EXPECT_EQ(cut.pixel(1, 0), qRgb(156, 156, 156));
    EXPECT_EQ(cut.pixel(2, 0), qRgb(0, 0, 0)) << "outside the image";

    EXPECT_TRUE(CutSkinBitmap(QImage(), QRect(0, 0, 2, 2)).isNull());
    EXPECT_TRUE(CutSkinBitmap(image, QRect()).isNull());
}

TEST_F(SkinImageTest, ReadsTheTwiceSizedTwinOnDenseScreens) {
    const QString withTwin = WriteWithTwin("twin");
    const QString alone = WriteSkin("alone.png", {qRgb(255, 0, 0), qRgb(255, 0, 0)});
    const QString broken = WriteSkin("broken.png", {qRgb(255, 0, 0), qRgb(255, 0, 0)});
    folder_.Write("Skins/broken@2x.png", "not a picture");
    const struct {
        const QString& path;
        qreal screenRatio;
        qreal imageRatio;
    } cases[] = {
        {withTwin, 1.0, 1.0}, {withTwin, 1.25, 2.0}, {withTwin, 1.5, 2.0},
        {withTwin, 2.0, 2.0}, {alone, 2.0, 1.0},     {broken, 2.0, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " at " + std::to_string(c.screenRatio));
        const QImage image = DecodeSkinImage(c.path, c.screenRatio);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.devicePixelRatio(), c.imageRatio);
        EXPECT_EQ(LayoutSize(image), QSize(2, 1)) << "the window places it the same either way";
        EXPECT_EQ(image.pixel(0, 0), c.imageRatio == 2.0 ? 0xff101010 : 0xffff0000);
    }
}

TEST_F(SkinImageTest, CutsTwiceSizedImagesAtTheirResolution) {
    const QImage image = DecodeSkinImage(WriteWithTwin("cut"), 2.0);

    // Window pixel 1 of a twice-sized image is its device columns 2 and 3.
    for (const QImage& part :
         {CutSkinBitmap(image, QRect(1, 0, 2, 1)), SkinPart(image, QRect(1, 0, 1, 1))}) {
        EXPECT_EQ(part.devicePixelRatio(), 2.0);
        EXPECT_EQ(part.pixel(0, 1), 0xff303030);
        EXPECT_EQ(part.pixel(1, 0), 0xff404040);
    }
    const QImage cut = CutSkinBitmap(image, QRect(1, 0, 2, 1));
    EXPECT_EQ(cut.size(), QSize(4, 2));
    EXPECT_EQ(LayoutSize(cut), QSize(2, 1));
    EXPECT_EQ(cut.pixel(2, 0), qRgb(0, 0, 0)) << "outside the image";
}

}  // namespace
}  // namespace vorlak
