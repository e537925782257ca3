#include "ui/widgets/Image.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

TEST(ImageTest, NamesTheTwiceScaleVariant)
{
    EXPECT_EQ(AtTwoXPath(u":/img/sextant.png"_s), u":/img/sextant@2x.png"_s);
    EXPECT_EQ(AtTwoXPath(u"/tmp/a.b/help.png"_s), u"/tmp/a.b/help@2x.png"_s);
    EXPECT_EQ(AtTwoXPath(u"icon"_s), u"icon@2x"_s);
}

class ImageFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString write(const QString& name, QSize size, QColor color)
    {
        QImage picture(size, QImage::Format_ARGB32);
        picture.fill(color);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(ImageFileTest, DrawsTheTwiceScaleVariantOnAScaleTwoScreen)
{
    const QString sextant = write(u"sextant.png"_s, QSize(25, 21), Qt::black);
    write(u"sextant@2x.png"_s, QSize(50, 42), Qt::black);
    const QString help = write(u"help.png"_s, QSize(76, 106), Qt::black);

    Image image;
    image.setPicture(sextant);
    EXPECT_EQ(image.pictureForScale(1.0).size(), QSize(25, 21));
    const QPixmap sharp = image.pictureForScale(2.0);
    EXPECT_EQ(sharp.size(), QSize(50, 42));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(25, 21));

    image.setPicture(help); // no variant: the plain picture at every scale
    EXPECT_EQ(image.pictureForScale(2.0).size(), QSize(76, 106));
}

TEST_F(ImageFileTest, FitsThePictureCentredWithItsProportionsAtItsOpacity)
{
    Image image;
    image.setPicture(write(u"wide.png"_s, QSize(10, 5), Qt::red));
    image.resize(100, 100);
    image.setOpacity(0.1);

    QImage shown(100, 100, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    image.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());

    EXPECT_EQ(qAlpha(shown.pixel(50, 20)), 0); // above the picture
    EXPECT_EQ(qAlpha(shown.pixel(50, 80)), 0); // below it
    for (const QPoint inside : {QPoint(0, 26), QPoint(50, 50), QPoint(99, 73)}) {
        const QRgb pixel = shown.pixel(inside);
        // 0.1 of full alpha, within Qt's rounding.
        EXPECT_NEAR(qAlpha(pixel), 26, 3) << inside.x() << "," << inside.y();
        EXPECT_EQ(qGreen(pixel), 0);
    }
}

} // namespace
} // namespace tenvik
