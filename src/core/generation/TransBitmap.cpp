#include "core/generation/TransBitmap.h"

#include <utility>

#include "core/generation/SingleStepLoop.h"
#include "core/generation/TransformSteps.h"
#include "core/shell/Numeric.h"

// The reference engine: every sample of every row, in order, each one written over the
// ones before it. The steps it is made of, and their float rounding, are in TransformSteps.

namespace quorvane {

namespace {

// One row of samples at y; false when GenStop ended it.
bool SampleRow(TransformState& gen, const GenControl& control, const RowWalk& walk, float y, float s,
               Colour& colour)
{
    const auto row = StoredRow(gen, y);
    float u = walk.L.x;
    float v = walk.L.y;
    return ForEachSingleStep(gen.DstX1, gen.DstX2, s, [&](float x) {
        SampleColour(gen, u, v, colour);
        const auto column = RoundHalfEven(x);
        if (row && column) {
            for (int c = 0; c < 3; ++c)
                gen.DstBits.SetByte(c, *column, *row, colour[size_t(c)]);
        }
        u = u + walk.stepU * s;
        v = v + walk.stepV * s;
        return !control.GenStop;
    });
}

} // namespace

bool TransBitmap(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow)
{
    gen.DstBits = PixelBuffer(gen.BitsWidth, gen.BitsHeight, 255);
    const float s = SampleStep(gen);
    const Edges edges = EdgeSteps(gen);
    RowWalk walk;
    // Carried from sample to sample. Until a sample computes one it is the page's white, so
    // a first row wholly off the source (a level top edge) does not come out as a dark line.
    Colour colour{255, 255, 255};
    const bool finished = ForEachSingleStep(gen.DstY1, gen.DstY2, s, [&](float y) {
        walk.Start(gen, edges, y);
        if (!SampleRow(gen, control, walk, y, s, colour))
            return false;
        ReportProgress(gen, control, y);
        if (afterRow)
            afterRow();
        return true;
    });
    if (!finished)
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

TransformState WholeBufferState(PixelBuffer source, const std::array<SinglePoint, 4>& quad)
{
    TransformState gen;
    gen.BitsWidth = source.Width();
    gen.BitsHeight = source.Height();
    gen.SrcBits = std::move(source);
    gen.DstX2 = float(gen.BitsWidth - 1);
    gen.DstY2 = float(gen.BitsHeight - 1);
    gen.SrcQuad = quad;
    return gen;
}

void ShowBitmap(const PixelBuffer& DstBits, QImage& target)
{
    DstBits.DrawInto(target);
}

} // namespace quorvane
