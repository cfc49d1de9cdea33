// The exact mapping: the homography through four corners against a camera's own
// projection of a flat sheet, and the vector engine against a plain double-precision sampler.
#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include <QPointF>

#include "core/generation/SurvivorPlan.h"
#include "core/generation/TransBitmapExact.h"

using namespace quorvane;

namespace {

// A pinhole camera looking at a W x H sheet lying in the plane z = 0, as a scene's
// model-view and projection would: the sheet point is rotated by `tilt` about x and `turn`
// about z, moved `distance` away and projected on a 1000-px-wide view.
struct Camera {
    double tilt;
    double turn;
    double distance;
    double focal;

    QPointF Project(double X, double Y) const
    {
        const double x = X * std::cos(turn) - Y * std::sin(turn);
        const double y0 = X * std::sin(turn) + Y * std::cos(turn);
        const double y = y0 * std::cos(tilt);
        const double z = y0 * std::sin(tilt) + distance;
        return {500 + focal * x / z, 400 + focal * y / z};
    }
};

constexpr double kSheetW = 21.0;
constexpr double kSheetH = 29.7;

std::array<QPointF, 4> ProjectedSheet(const Camera& camera)
{
    return {camera.Project(-kSheetW / 2, -kSheetH / 2), camera.Project(kSheetW / 2, -kSheetH / 2),
            camera.Project(kSheetW / 2, kSheetH / 2), camera.Project(-kSheetW / 2, kSheetH / 2)};
}

} // namespace

TEST(Homography, AgreesWithTheCamerasProjectionOfTheSheet)
{
    // Head-on, the default kind of view, a low steep one and a turned one.
    const Camera cameras[] = {{0.0, 0.0, 60, 900}, {0.9, 0.1, 45, 1100}, {1.35, -0.3, 30, 800},
                              {1.1, 0.7, 35, 1000}};
    for (const Camera& camera : cameras) {
        const auto quad = ProjectedSheet(camera);
        // The page rectangle, 1190 x 1684 pixels with y downwards, corners and inside.
        const auto t = RectangleToQuad(0, 0, 1189, 1683, quad);
        ASSERT_TRUE(t) << camera.tilt;
        for (double s = 0; s <= 1; s += 0.125) {
            for (double r = 0; r <= 1; r += 0.125) {
                const QPointF seen = camera.Project((s - 0.5) * kSheetW, (r - 0.5) * kSheetH);
                const QPointF mapped = t->Map(s * 1189, r * 1683);
                EXPECT_NEAR(mapped.x(), seen.x(), 1e-7) << camera.tilt << " at " << s << "," << r;
                EXPECT_NEAR(mapped.y(), seen.y(), 1e-7) << camera.tilt << " at " << s << "," << r;
            }
        }
    }
}

TEST(Homography, NoTransformForDegenerateCornersOrRectangles)
{
    const std::array<QPointF, 4> square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    const std::array<QPointF, 4> bowTie{{{0, 0}, {10, 0}, {0, 10}, {10, 10}}};
    const std::array<QPointF, 4> dart{{{0, 0}, {10, 0}, {3, 3}, {0, 10}}};
    const std::array<QPointF, 4> line{{{0, 0}, {5, 5}, {10, 10}, {2, 2}}};
    EXPECT_TRUE(RectangleToQuad(0, 0, 5, 5, square));
    EXPECT_FALSE(RectangleToQuad(0, 0, 5, 5, bowTie));
    EXPECT_FALSE(RectangleToQuad(0, 0, 5, 5, dart));
    EXPECT_FALSE(RectangleToQuad(0, 0, 5, 5, line));
    EXPECT_FALSE(RectangleToQuad(3, 0, 3, 5, square));
}

namespace {

PixelBuffer NoiseSource(int32_t W, int32_t H, uint32_t seed)
{
    std::mt19937 rng(seed);
    PixelBuffer buffer(W, H, 255);
    for (int32_t r = 0; r < H; ++r) {
        for (int32_t c = 0; c < W; ++c) {
            const bool flat = (c / 7 + r / 5) % 3 == 0; // flat patches take the shortcut
            for (int k = 0; k < 3; ++k)
                buffer.SetByte(k, c, r, flat ? uint8_t(90 + 40 * k) : uint8_t(rng() % 256));
        }
    }
    return buffer;
}

// One channel at the source point (u, v), v downwards: the four neighbours blended in double
// precision, white off the source.
double ReferenceChannel(const TransformState& gen, int c, double u, double v)
{
    double w = gen.DstY2 - v;
    const int32_t W = gen.BitsWidth;
    const int32_t H = gen.BitsHeight;
    if (u < -0.5 || u > W - 0.5 || w < -0.5 || w > H - 0.5)
        return 255;
    u = std::clamp(u, 0.0, double(W - 1));
    w = std::clamp(w, 0.0, double(H - 1));
    const int32_t i = std::min(int32_t(u), W - 2);
    const int32_t j = std::min(int32_t(w), H - 2);
    const double fx = u - i;
    const double fy = w - j;
    auto at = [&](int32_t x, int32_t y) { return double(*gen.SrcBits.Byte(c, x, y)); };
    return (1 - fy) * ((1 - fx) * at(i, j) + fx * at(i + 1, j)) + fy * ((1 - fx) * at(i, j + 1) + fx * at(i + 1, j + 1));
}

} // namespace

TEST(TransBitmapExact, EveryLaneCountMatchesThePlainSampler)
{
    const std::array<std::array<SinglePoint, 4>, 3> quads{{
        {{{10, 8}, {150, 20}, {140, 110}, {4, 96}}},     // a sheet seen from aside
        {{{-20, -10}, {190, 5}, {170, 140}, {-5, 125}}}, // partly off the source
        {{{60, 30}, {90, 32}, {120, 100}, {20, 95}}},    // steep: the far edge short
    }};
    for (size_t q = 0; q < quads.size(); ++q) {
        TransformState gen = WholeBufferState(NoiseSource(163, 121, uint32_t(q)), quads[q]);
        // The whole 163 x 121 target onto the quad's corners, in order.
        std::array<QPointF, 4> corners;
        for (size_t k = 0; k < 4; ++k)
            corners[k] = QPointF(quads[q][k].x, quads[q][k].y);
        const auto t = RectangleToQuad(0, 0, 162, 120, corners);
        const auto plan = MakeSurvivorPlan(gen);
        ASSERT_TRUE(t && plan);
        GenControl control;
        std::vector<uint8_t> first;
        for (const LaneWidth width : {LaneWidth::Four, LaneWidth::Eight, LaneWidth::Sixteen}) {
            ASSERT_TRUE(TransBitmapExact(gen, control, {}, {}, width));
            const auto bytes = gen.DstBits.Bytes();
            if (first.empty())
                first.assign(bytes.begin(), bytes.end());
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), first.begin())) << "quad " << q << ", " << LaneWidthName(width);
        }
        int worst = 0;
        for (size_t b = 0; b < plan->ys.size(); ++b) {
            if (!plan->lastOfRow[b])
                continue;
            for (const ColumnSurvivor& col : plan->columns) {
                const QPointF p = t->Map(col.x, plan->ys[b]);
                for (int c = 0; c < 3; ++c) {
                    const double expected = ReferenceChannel(gen, c, p.x(), p.y());
                    const int got = *gen.DstBits.Byte(c, col.column, plan->rows[b]);
                    worst = std::max(worst, int(std::lround(std::fabs(got - expected) + 0.49)));
                }
            }
        }
        EXPECT_LE(worst, 1) << "quad " << q;
    }
}

TEST(TransBitmapExact, StopsAfterTheRowWhoseCallbackAsks)
{
    TransformState gen = WholeBufferState(NoiseSource(60, 50, 7), {{{2, 2}, {55, 5}, {50, 45}, {4, 40}}});
    GenControl control;
    int rows = 0;
    EXPECT_FALSE(TransBitmapExact(gen, control, [&] { control.GenStop = ++rows == 10; }));
    EXPECT_EQ(rows, 10);
    control.GenStop = false;
    rows = 0;
    EXPECT_TRUE(TransBitmapExact(gen, control, [&] { ++rows; }));
    EXPECT_EQ(control.GenProgress, 50);
    EXPECT_GT(rows, 10);
}
