// The fast engine against the reference engine on generated cases: the same bytes, the
// same progress, the same result and the same stop, case by case. A failure names the
// seed of its case; QUORVANE_FAST_SEED=<seed> runs that case alone.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/TransBitmapFast.h"

using namespace quorvane;

namespace {

// Smaller sizes and half the cases under the sanitizers, where the reference engine runs
// many times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kScale = 2;
#else
constexpr int kScale = 1;
#endif
constexpr uint32_t kSeeds = 600 / kScale;

class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}
    int Int(int low, int high) { return low + int(rng_() % uint32_t(high - low + 1)); }
    float Real(float low, float high) { return low + (high - low) * float(rng_() % 100001) / 100000.0f; }
    bool Chance(int percent) { return Int(1, 100) <= percent; }

private:
    std::mt19937 rng_;
};

// Noise (style 0), flat blocks, a gradient or a mix: flat areas take the shortcut, noise
// the arithmetic, and gradients give exact rounding ties.
PixelBuffer RandomSource(Generator& g, int32_t W, int32_t H, int style)
{
    PixelBuffer buffer(W, H, 0);
    const int block = g.Int(2, 9);
    for (int32_t r = 0; r < H; ++r) {
        for (int32_t c = 0; c < W; ++c) {
            const bool noisy = style == 0 || (style == 3 && (c / block + r / block) % 2 == 0);
            for (int k = 0; k < 4; ++k) {
                int value = style == 1 ? ((c / block) * 37 + (r / block) * 91 + k * 50) % 256
                                       : (c * 3 + r * 5 + k) % 256;
                if (noisy || k == 3)
                    value = g.Int(0, 255);
                buffer.SetByte(k, c, r, uint8_t(value));
            }
        }
    }
    return buffer;
}

struct Case {
    TransformState gen;
    int32_t GenProgressBase = 50;
    bool stopBefore = false;
    int stopAfterRows = 0; // the callback sets GenStop after this many rows; 0 never
};

// A bow-tie, wholly random (often partly or wholly outside, or larger than the target: step
// 0.2), the target's own corners (every fraction a half: ties), or integer corners.
void RandomQuad(Generator& g, Case& c)
{
    auto& gen = c.gen;
    const float W = float(gen.BitsWidth);
    const float H = float(gen.BitsHeight);
    auto& P = gen.SrcQuad;
    switch (g.Int(0, 3)) {
    case 0: // a bow-tie
        P = {{{0, 0}, {W - 1, H - 1}, {W - 1, 0}, {0, H - 1}}};
        break;
    case 1: // anywhere, outside included
        for (auto& p : P)
            p = {g.Real(-W, 2 * W), g.Real(-H, 2 * H)};
        break;
    case 2: // the target's own corners, maybe turned a quarter
        P = {{{0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}}};
        if (g.Chance(50))
            P = {{P[1], P[2], P[3], P[0]}};
        break;
    default: // integer corners near the edges, as the drivers give them
        for (auto& p : P)
            p = {float(g.Int(-1, int(W))), float(g.Int(-1, int(H)))};
        break;
    }
}

void WideRows(Generator& g, Case& c)
{
    const float W = float(c.gen.BitsWidth);
    const float H = float(c.gen.BitsHeight);
    c.gen.DstX2 = W - 1 + g.Real(0, 4);
    for (auto& p : c.gen.SrcQuad)
        p = {g.Real(-W, 2 * W), g.Real(-H, 2 * H)};
}

// The top-left block of `source` in a buffer of its size with a white surround, as the
// drivers store their canvas: reads off the block land on its white margin.
PixelBuffer Surrounded(Generator& g, const PixelBuffer& source)
{
    const int32_t W = source.Width();
    const int32_t H = source.Height();
    const int32_t blockWidth = g.Int(1, W);
    const int32_t blockHeight = g.Int(1, H);
    PixelBuffer buffer = PixelBuffer::WithWhiteSurround(W, H, blockWidth, blockHeight);
    for (int32_t r = H - blockHeight; r < H; ++r) {
        for (int32_t c = 0; c < blockWidth; ++c) {
            for (int k = 0; k < 4; ++k)
                buffer.SetByte(k, c, r, *source.Byte(k, c, r));
        }
    }
    return buffer;
}

Case QuadCase(Generator& g)
{
    Case c;
    const int family = g.Int(0, 99);
    const bool small = family < 60;
    const int32_t W = small ? g.Int(2, 12) : g.Int(2, 48 / kScale);
    const int32_t H = small ? g.Int(2, 12) : g.Int(2, 48 / kScale);
    c.gen.BitsWidth = W;
    c.gen.BitsHeight = H;
    // Noise under wide rows, where a wrong carried colour must not pass for the right one.
    c.gen.SrcBits = RandomSource(g, W, H, family < 50 ? 0 : g.Int(0, 3));
    if (g.Chance(30))
        c.gen.SrcBits = Surrounded(g, c.gen.SrcBits);
    c.gen.DstX2 = float(W - 1);
    c.gen.DstY2 = float(H - 1);
    RandomQuad(g, c);
    if (family < 50) {
        WideRows(g, c);
    } else if (family < 60) { // a target rectangle other than the whole buffer, maybe beyond it
        c.gen.DstX1 = g.Real(-2, float(W) / 2);
        c.gen.DstY1 = g.Real(-2, float(H) / 2);
        c.gen.DstX2 = g.Real(c.gen.DstX1, float(W) + 2);
        c.gen.DstY2 = g.Real(c.gen.DstY1, float(H) + 2);
    } else if (family < 64) { // a corner a float can barely hold: some row values overflow
        c.gen.SrcQuad[size_t(g.Int(0, 3))].x = g.Chance(50) ? 3e38f : -3e38f;
    }
    return c;
}

struct Outcome {
    bool finished = false;
    int rows = 0;
    int32_t GenProgress = 0;
    PixelBuffer DstBits;
    QImage target;
};

// The reference engine, or the fast one at `fast` width.
Outcome RunEngine(const Case& c, std::optional<LaneWidth> fast = std::nullopt)
{
    TransformState gen = c.gen;
    GenControl control;
    control.GenProgressBase = c.GenProgressBase;
    control.GenProgress = 7;
    control.GenStop = c.stopBefore;
    Outcome out;
    out.target = QImage(std::max(gen.BitsWidth, 1), std::max(gen.BitsHeight, 1), QImage::Format_RGB32);
    out.target.fill(Qt::green);
    const RowCallback afterRow = [&] {
        if (++out.rows == c.stopAfterRows)
            control.GenStop = true;
    };
    out.finished = fast ? TransBitmapFast(gen, control, out.target, afterRow, *fast)
                        : TransBitmap(gen, control, out.target, afterRow);
    out.GenProgress = control.GenProgress;
    out.DstBits = std::move(gen.DstBits);
    return out;
}

// Empty when the two runs agree; else what differs first.
std::string Difference(const Outcome& want, const Outcome& got)
{
    std::ostringstream text;
    if (want.finished != got.finished || want.rows != got.rows || want.GenProgress != got.GenProgress)
        text << "finished/rows/progress " << want.finished << "/" << want.rows << "/" << want.GenProgress
             << " but " << got.finished << "/" << got.rows << "/" << got.GenProgress;
    const auto a = want.DstBits.Bytes();
    const auto b = got.DstBits.Bytes();
    if (a.size() != b.size()) {
        text << " DstBits size " << a.size() << " but " << b.size();
    } else if (const auto at = std::mismatch(a.begin(), a.end(), b.begin()).first; at != a.end()) {
        const size_t k = size_t(at - a.begin()), pixel = k / 4, width = size_t(want.DstBits.Width());
        text << " byte " << k % 4 << " of column " << pixel % width << ", row " << pixel / width << ": "
             << int(a[k]) << " but " << int(b[k]);
    }
    if (want.target != got.target)
        text << " target differs";
    return text.str();
}

// The case of one seed: a random quad, with or without a stop.
Case CaseOf(uint32_t seed)
{
    Generator g(seed);
    Case c = QuadCase(g);
    const int stop = g.Int(0, 9);
    c.stopBefore = stop == 0;
    if (stop == 1 || stop == 2)
        c.stopAfterRows = g.Int(1, 2 * c.gen.BitsHeight + 1);
    return c;
}

// The default width and every width this machine runs, each held to the reference engine.
void ExpectEveryWidthGives(const Case& c, const std::string& what)
{
    const Outcome reference = RunEngine(c);
    for (const LaneWidth width : {LaneWidth::Widest, LaneWidth::Four, LaneWidth::Eight, LaneWidth::Sixteen}) {
        if (MachineRuns(width)) {
            EXPECT_EQ(Difference(reference, RunEngine(c, width)), "") << what << ", " << LaneWidthName(width);
        }
    }
}

} // namespace

TEST(TransBitmapFast, GivesTheReferenceBytesOnGeneratedCases)
{
    if (const char* only = std::getenv("QUORVANE_FAST_SEED")) {
        ExpectEveryWidthGives(CaseOf(uint32_t(std::strtoul(only, nullptr, 10))), "seed " + std::string(only));
        return;
    }
    constexpr uint32_t kFirstSeed = 20261206;
    for (uint32_t seed = kFirstSeed; seed < kFirstSeed + kSeeds; ++seed)
        ExpectEveryWidthGives(CaseOf(seed), "seed " + std::to_string(seed));
}

// The rows run past the buffer's last column (x up to 6.76 on a buffer 4 wide) and leave
// the source there; the next row starts off it and writes the colour carried out of the
// row before: that of its last sample inside, which no column keeps.
TEST(TransBitmapFast, RowLeavingTheSourceBeyondTheLastColumnCarriesItsLastColourOn)
{
    Case c;
    c.gen.BitsWidth = 4;
    c.gen.BitsHeight = 4;
    c.gen.SrcBits = PixelBuffer(4, 4, 0);
    for (int r = 0; r < 4; ++r) {
        for (int col = 0; col < 4; ++col) {
            for (int k = 0; k < 3; ++k)
                c.gen.SrcBits.SetByte(k, col, r, uint8_t((col + 4 * r) * 9 + k)); // all distinct
        }
    }
    c.gen.DstX2 = 6.76336f;
    c.gen.DstY2 = 3;
    c.gen.SrcQuad = {{{3.149f, 5.29952f}, {6.3134f, 6.48848f}, {-3.3442f, 3.2168f}, {2.89292f, -3.92056f}}};
    ExpectEveryWidthGives(c, "wide rows");
}
