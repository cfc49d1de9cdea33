// The page reduction: every target pixel is the mean of the source area it covers.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/AreaAverage.h"

using namespace quorvane;

namespace {

// The mean of one channel over the source area of target pixel (tx, ty), integrated
// directly in double precision.
double ExactMean(const QImage& source, QSize size, int tx, int ty, int shift)
{
    const double fx = double(source.width()) / size.width();
    const double fy = double(source.height()) / size.height();
    double sum = 0.0;
    double area = 0.0;
    for (int y = 0; y < source.height(); ++y) {
        const double h = std::min((ty + 1) * fy, y + 1.0) - std::max(ty * fy, double(y));
        for (int x = 0; h > 0 && x < source.width(); ++x) {
            const double w = std::min((tx + 1) * fx, x + 1.0) - std::max(tx * fx, double(x));
            if (w > 0) {
                sum += w * h * ((source.pixel(x, y) >> shift) & 255);
                area += w * h;
            }
        }
    }
    return sum / area;
}

} // namespace

// An exact tie rounds to even; a flat picture, grown or shrunk, keeps its colour exactly.
TEST(AreaAverageScale, TiesRoundToEvenAndFlatAreasStayExact)
{
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.fill(qRgb(253, 253, 253));
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    EXPECT_EQ(AreaAverageScale(checker, QSize(1, 1)).pixel(0, 0), qRgb(126, 126, 126)); // 126.5 to even, not up

    QImage flat(7, 5, QImage::Format_RGB32);
    flat.fill(qRgb(3, 200, 255));
    QImage flatGrown(3, 11, QImage::Format_RGB32);
    flatGrown.fill(qRgb(3, 200, 255));
    EXPECT_EQ(AreaAverageScale(flat, QSize(3, 11)), flatGrown);
    EXPECT_TRUE(AreaAverageScale(QImage(), QSize(2, 2)).isNull());
}

TEST(AreaAverageScale, RoundsTheExactMeanOfUnevenAreas)
{
    std::mt19937 rng(7);
    // Uneven both ways, enlarged one way, and halved across (as the pages are) but uneven down.
    // The last, narrow and far taller than its target, is summed down first.
    const QSize sources[] = {{23, 17}, {40, 9}, {5, 31}, {24, 17}, {7, 300}};
    const QSize targets[] = {{9, 7}, {16, 4}, {7, 12}, {12, 7}, {19, 11}};
    EXPECT_FALSE(LineReducer(sources[3], targets[3], {}).SumsDownFirst());
    EXPECT_TRUE(LineReducer(sources[4], targets[4], {}).SumsDownFirst());
    for (int k = 0; k < 5; ++k) {
        QImage source(sources[k], QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(int(rng() % 256), int(rng() % 256), (x * 7 + y * 11) % 256));
        }
        const QImage result = AreaAverageScale(source, targets[k]);
        ASSERT_EQ(result.size(), targets[k]);
        for (int y = 0; y < targets[k].height(); ++y) {
            for (int x = 0; x < targets[k].width(); ++x) {
                for (int shift = 0; shift < 24; shift += 8) {
                    const double exact = ExactMean(source, targets[k], x, y, shift);
                    const int got = int((result.pixel(x, y) >> shift) & 255);
                    // The nearest integer, ties to even; either neighbour within reach of a tie.
                    if (std::fabs(std::fabs(exact - std::floor(exact)) - 0.5) > 1e-3)
                        EXPECT_EQ(got, int(std::nearbyint(exact))) << k << ": " << x << "," << y << " " << exact;
                    else
                        EXPECT_LE(std::fabs(got - exact), 0.5 + 1e-3);
                }
            }
        }
    }
}
