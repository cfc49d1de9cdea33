#include "core/output/PaletteDither.h"

#include <random>

#include <gtest/gtest.h>

#include <QImage>

namespace quorvane {
namespace {

int Distance(const PaletteColour& entry, int r, int g, int b)
{
    return (entry[0] - r) * (entry[0] - r) + (entry[1] - g) * (entry[1] - g) + (entry[2] - b) * (entry[2] - b);
}

// The grid may only skip entries that cannot be nearest: held against a search of all of
// them, on palettes clustered (many candidates per cell) and spread (few).
TEST(PaletteDither, NearestColourIsTheExactNearest)
{
    std::mt19937 rng(16);
    for (const int spread : {256, 24}) {
        std::vector<PaletteColour> palette;
        for (int i = 0; i < 200; ++i)
            palette.push_back({uint8_t(rng() % spread), uint8_t(rng() % spread), uint8_t(rng() % 256)});
        NearestColour nearest(palette);
        for (int k = 0; k < 20000; ++k) {
            const int r = int(rng() % 256), g = int(rng() % 256), b = int(rng() % 256);
            const uint8_t found = nearest.Find(r, g, b);
            for (size_t i = 0; i < palette.size(); ++i)
                ASSERT_LE(Distance(palette[found], r, g, b), Distance(palette[i], r, g, b)) << r << "," << g << "," << b;
        }
    }
}

// A flat grey between two palette greys comes out as a mix of both, its mean far nearer
// the grey than the nearest entry alone (five eighths of the error travel on); a palette
// colour of the page stays itself.
TEST(PaletteDither, FlatAreasKeepTheirMeanColour)
{
    QImage page(64, 64, QImage::Format_RGB32);
    page.fill(qRgb(100, 100, 100));
    for (int y = 0; y < 64; ++y)
        page.setPixel(0, y, qRgb(0, 0, 0));
    const std::vector<PaletteColour> palette{{90, 90, 90}, {0, 0, 0}, {130, 130, 130}};
    const std::vector<uint8_t> indices = DitherToPalette(page, palette);
    ASSERT_EQ(indices.size(), size_t(64 * 64));
    double sum = 0;
    for (int y = 8; y < 64; ++y) {
        EXPECT_EQ(indices[size_t(y) * 64], 1);
        for (int x = 8; x < 64; ++x)
            sum += palette[indices[size_t(y) * 64 + size_t(x)]][0];
    }
    EXPECT_NEAR(sum / (56 * 56), 100.0, 4.0);
    EXPECT_TRUE(DitherToPalette(QImage(), palette).empty());
    EXPECT_TRUE(DitherToPalette(page, {}).empty());
}

} // namespace
} // namespace quorvane
