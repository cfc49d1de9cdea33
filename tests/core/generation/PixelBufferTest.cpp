#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/AreaAverage.h"
#include "core/generation/PixelBuffer.h"

using namespace quorvane;

TEST(PixelBuffer, ReadsAndWritesOutsideAreSkipped)
{
    PixelBuffer buffer(3, 2, 7);
    buffer.SetByte(0, 3, 0, 1);
    buffer.SetByte(4, 0, 0, 1);
    buffer.SetByte(0, -1, 1, 1);
    for (uint8_t byte : buffer.Bytes())
        EXPECT_EQ(byte, 7);
    EXPECT_FALSE(buffer.Byte(0, 0, 2).has_value());
    EXPECT_FALSE(buffer.Byte(-1, 0, 0).has_value());
    EXPECT_EQ(buffer.Byte(3, 2, 1), 7);

    EXPECT_TRUE(PixelBuffer(0, 5, 0).IsEmpty());
    EXPECT_TRUE(PixelBuffer(1 << 16, 1 << 16, 0).IsEmpty()); // beyond the size limit
}

TEST(PixelBuffer, ImageRowsAreStoredBottomUpAndPaddedWithWhite)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(9, 10, 11, 12));
    image.setPixel(0, 0, qRgba(1, 2, 3, 4)); // top-left
    const PixelBuffer buffer = PixelBuffer::FromImage(image, 3, 3);

    // The image's top line is stored row 2: blue, green, red, alpha.
    EXPECT_EQ(buffer.Byte(0, 0, 2), 3);
    EXPECT_EQ(buffer.Byte(2, 0, 2), 1);
    EXPECT_EQ(buffer.Byte(3, 0, 2), 4);
    EXPECT_EQ(buffer.Byte(2, 1, 1), 9);
    EXPECT_EQ(buffer.Byte(0, 2, 2), 255); // outside the image: white
    EXPECT_EQ(buffer.Byte(1, 0, 0), 255);
    EXPECT_EQ(buffer.ToImage().pixel(0, 0), qRgb(1, 2, 3));
}

TEST(AreaAverageScale, EachTargetPixelIsTheMeanOfTheAreaItCovers)
{
    QImage row(3, 1, QImage::Format_RGB32);
    row.setPixel(0, 0, qRgb(0, 0, 0));
    row.setPixel(1, 0, qRgb(90, 90, 90));
    row.setPixel(2, 0, qRgb(180, 180, 180));
    const QImage two = AreaAverageScale(row, QSize(2, 1));
    EXPECT_EQ(qRed(two.pixel(0, 0)), 30);  // (0 + 90 / 2) / 1.5
    EXPECT_EQ(qRed(two.pixel(1, 0)), 150); // (90 / 2 + 180) / 1.5

    QImage checker(2, 2, QImage::Format_RGB32);
    checker.fill(qRgb(255, 255, 255));
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    EXPECT_EQ(AreaAverageScale(checker, QSize(1, 1)).pixel(0, 0), qRgb(128, 128, 128)); // 127.5 to even

    QImage flat(7, 5, QImage::Format_RGB32);
    flat.fill(qRgb(3, 200, 255));
    QImage flatGrown(3, 11, QImage::Format_RGB32);
    flatGrown.fill(qRgb(3, 200, 255));
    EXPECT_EQ(AreaAverageScale(flat, QSize(3, 11)), flatGrown);
    EXPECT_TRUE(AreaAverageScale(QImage(), QSize(2, 2)).isNull());
}
