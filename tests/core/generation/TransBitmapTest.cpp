#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/SingleStepLoop.h"
#include "core/generation/TransBitmap.h"

using namespace quorvane;

namespace {

using Rgb = std::array<int, 3>; // blue, green, red

// A W x H source whose pixel at (column, stored row) is given by `colour`; fourth byte 0.
PixelBuffer Source(int32_t W, int32_t H, const std::function<Rgb(int, int)>& colour)
{
    PixelBuffer buffer(W, H, 0);
    for (int r = 0; r < H; ++r) {
        for (int c = 0; c < W; ++c) {
            const Rgb rgb = colour(c, r);
            for (int k = 0; k < 3; ++k)
                buffer.SetByte(k, c, r, uint8_t(rgb[size_t(k)]));
        }
    }
    return buffer;
}

Rgb At(const PixelBuffer& buffer, int column, int row)
{
    return {*buffer.Byte(0, column, row), *buffer.Byte(1, column, row), *buffer.Byte(2, column, row)};
}

// The quadrilateral equal to the corners of the whole W x H target.
TransformState Identity(PixelBuffer source)
{
    const float right = float(source.Width() - 1);
    const float bottom = float(source.Height() - 1);
    return WholeBufferState(std::move(source), {{{0, 0}, {right, 0}, {right, bottom}, {0, bottom}}});
}

struct TransformRun {
    bool finished = false;
    int rows = 0;
    QImage target;
};

TransformRun Transform(TransformState& gen, GenControl& control)
{
    TransformRun run;
    run.target = QImage(gen.BitsWidth, gen.BitsHeight, QImage::Format_RGB32);
    run.target.fill(Qt::green);
    run.finished = TransBitmap(gen, control, run.target, [&run] { ++run.rows; });
    return run;
}

constexpr int W = 8;
constexpr int H = 6;

} // namespace

TEST(GetAngle, SpecialCasesUseTheNineDigitPi)
{
    // Negative dx: pi added or taken away by the sign of dy. The full pi gives these one float
    // step further from zero.
    EXPECT_EQ(GetAngle(1, -15), 3.075024366378784f);
    EXPECT_EQ(GetAngle(-1, -15), -3.075024366378784f);
    EXPECT_EQ(GetAngle(0, -1), float(3.14159265)); // zero dy with negative dx adds pi
    EXPECT_EQ(GetAngle(3, 0), 1.57079637f);
    EXPECT_EQ(GetAngle(-3, 0), -1.57079637f);
    EXPECT_EQ(GetAngle(0, 0), 0.0f);
    EXPECT_EQ(GetAngle(0, 5), 0.0f);
}

TEST(SingleStepLoop, FloatCounterLosesTheLastStep)
{
    const auto count = [](float first, float last, float step) {
        int n = 0;
        ForEachSingleStep(first, last, step, [&n](float) { return ++n > 0; });
        return n;
    };
    EXPECT_EQ(count(0, 31, 0.2f), 155); // 156 with exact arithmetic
    EXPECT_EQ(count(0, 23, 0.2f), 115);
    EXPECT_EQ(count(0, 7, 0.5f), 15);
    // Where a float cannot hold the step any more the loop ends instead of spinning.
    EXPECT_EQ(count(16777216.0f, 16777300.0f, 0.5f), 1);
}

// Under float rules the vertical left edge has an angle just above pi/2, so the sample
// point starts a hair left of each column: odd columns, hit once at x = c, read between
// columns c - 1 and c; even columns keep the sample at x = c + 0.5. Row 0 keeps y = Y2; odd
// rows are hit once; even rows keep the sample half a row up, 0.75 * S(r - 1) + 0.25 * S(r).
// Values round half to even. The top row's samples all fall on the source's last row, where
// no colour is computed: before any sample has computed one they take the page's white.
TEST(TransBitmap, IdentityFollowsTheHalfPixelPatternBelowAWhiteTopLine)
{
    TransformState gen = Identity(Source(W, H, [](int c, int r) { return Rgb{10 * c, 10 * r, 30}; }));
    GenControl control;
    control.GenProgressBase = 50;
    const TransformRun run = Transform(gen, control);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.rows, 11); // y = 0, 0.5, ..., 5
    EXPECT_EQ(control.GenProgress, 100);

    const int byColumn[W] = {2, 5, 22, -1, 42, -1, 62, 62}; // -1: 10 c or 10 c - 5
    const int byRow[H - 1] = {0, 10, 12, 30, 32};
    for (int r = 0; r < H; ++r) {
        for (int c = 0; c < W; ++c) {
            SCOPED_TRACE(testing::Message() << "column " << c << ", row " << r);
            const Rgb got = At(gen.DstBits, c, r);
            EXPECT_EQ(*gen.DstBits.Byte(3, c, r), 255); // the source's fourth byte is 0
            EXPECT_EQ(run.target.pixel(c, H - 1 - r), qRgb(got[2], got[1], got[0])); // 1:1, top row first
            if (r == H - 1) {
                EXPECT_EQ(got, (Rgb{255, 255, 255}));
                continue;
            }
            EXPECT_EQ(got[1], byRow[r]);
            EXPECT_EQ(got[2], 30);
            if (byColumn[c] >= 0)
                EXPECT_EQ(got[0], byColumn[c]);
            else
                EXPECT_TRUE(got[0] == 10 * c || got[0] == 10 * c - 5) << got[0];
        }
    }
}

TEST(TransBitmap, StopAlreadyRequestedWritesExactlyOneSample)
{
    TransformState gen = Identity(Source(W, H, [](int, int) { return Rgb{10, 20, 30}; }));
    gen.SrcQuad = {{{1, 1}, {6, 1}, {6, 4}, {1, 4}}};
    GenControl control;
    control.GenStop = true;
    control.GenProgress = 7;
    const TransformRun run = Transform(gen, control);

    EXPECT_FALSE(run.finished);
    EXPECT_EQ(run.rows, 0);
    EXPECT_EQ(control.GenProgress, 7);
    const auto bytes = gen.DstBits.Bytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), uint8_t(255)), 4 * W * H - 3); // one pixel coloured
    EXPECT_EQ(At(gen.DstBits, 0, H - 1), (Rgb{10, 20, 30}));
    EXPECT_EQ(run.target.pixel(0, 0), QColor(Qt::green).rgb()); // nothing drawn
}

TEST(TransBitmap, LargerQuadSamplesFiveTimesPerPixelAndOffTheSourceCarriesTheLastColour)
{
    TransformState gen = Identity(Source(W, H, [](int, int) { return Rgb{10, 20, 30}; }));
    gen.SrcQuad = {{{2, 1}, {40, -9}, {30, 60}, {-20, 4}}}; // diagonal longer than the target's
    GenControl control;
    const TransformRun run = Transform(gen, control);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.rows, 26); // five samples per pixel: y = 0, 0.2, ..., 5
    for (int r = 0; r < H; ++r) {
        for (int c = 0; c < W; ++c)
            EXPECT_EQ(At(gen.DstBits, c, r), (Rgb{10, 20, 30})) << c << "," << r;
    }

    // A target without height or width divides by zero: those steps are skipped.
    gen.DstY2 = 0;
    gen.DstX2 = 0;
    EXPECT_TRUE(Transform(gen, control).finished);
}
