#include <gtest/gtest.h>

#include <QImage>

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

TEST(PixelBuffer, WhiteSurroundStoresOnlyItsBlock)
{
    PixelBuffer buffer = PixelBuffer::WithWhiteSurround(10, 8, 3, 2);
    QImage block = buffer.BlockImage();
    ASSERT_EQ(block.size(), QSize(3, 2));
    block.fill(qRgb(1, 2, 3));
    block.setPixel(0, 0, qRgb(7, 8, 9)); // top-left
    buffer.FlipBlock();
    EXPECT_EQ(buffer.Width(), 10);
    EXPECT_EQ(buffer.Height(), 8);
    EXPECT_EQ(buffer.Bytes().size(), size_t(5 * 4 * 4)); // the block and its margin of two
    EXPECT_EQ(buffer.Byte(2, 0, 7), 7); // the image's top line is the highest row
    EXPECT_EQ(buffer.Byte(0, 2, 6), 3);
    EXPECT_EQ(buffer.Byte(0, 3, 7), 255); // right of the block
    EXPECT_EQ(buffer.Byte(1, 0, 5), 255); // below it
    EXPECT_EQ(buffer.Byte(1, 9, 0), 255);
    EXPECT_FALSE(buffer.Byte(1, 10, 0).has_value());
    // A read with its neighbours off the block lands on the white margin.
    const PixelBuffer::StoredBlock stored = buffer.Stored();
    EXPECT_EQ(stored.ReadOffset(8, 1), stored.ReadOffset(3, 4));
    EXPECT_EQ(stored.bytes[stored.ReadOffset(8, 1) + 4 * 5], 255);
}

TEST(PixelBuffer, RingRowsTurnWhiteWhenTheirSlotIsTakenAgain)
{
    PixelBuffer ring = PixelBuffer::RowRing(2, 100, 4);
    ring.MutableRow(99)[0] = 5;
    ring.MutableRow(98)[0] = 6;
    EXPECT_EQ(ring.Byte(0, 0, 99), 5);
    EXPECT_EQ(ring.MutableRow(99)[0], 5); // the same row again: kept
    EXPECT_EQ(ring.MutableRow(95)[0], 255); // takes row 99's slot
    EXPECT_EQ(ring.Byte(0, 0, 99), 255);
    EXPECT_EQ(ring.Byte(0, 0, 98), 6);
    ring.Reset(2, 100, 255);
    EXPECT_EQ(ring.Byte(0, 0, 98), 255);
}
