#include "core/generation/SurvivorPlan.h"

#include "core/generation/SingleStepLoop.h"
#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

// Sides up to this keep every pixel index, and the sides minus one, exact in a float.
constexpr int32_t kMaxSide = 1 << 22;
// A loop with more counter values than this many per pixel of its side is left to the
// reference engine.
constexpr int64_t kMaxStepsPerPixel = 8;

// The counter values of one float loop; no value when there are more than `limit`.
std::optional<std::vector<float>> CounterValues(float first, float last, float s, int64_t limit)
{
    std::vector<float> values;
    const bool whole = ForEachSingleStep(first, last, s, [&](float counter) {
        values.push_back(counter);
        return int64_t(values.size()) <= limit;
    });
    if (!whole)
        return std::nullopt;
    return values;
}

int32_t InRange(std::optional<int32_t> index, int32_t size)
{
    return index && *index >= 0 && *index < size ? *index : -1;
}

void PlanColumns(const std::vector<float>& xs, int32_t W, SurvivorPlan& plan)
{
    std::vector<int32_t> lastSample(size_t(W), -1);
    for (size_t a = 0; a < xs.size(); ++a) {
        const int32_t column = InRange(RoundHalfEven(xs[a]), W);
        if (column >= 0)
            lastSample[size_t(column)] = int32_t(a);
    }
    // x never decreases, so neither does the column: by column is by sample index.
    for (int32_t column = 0; column < W; ++column) {
        const int32_t sample = lastSample[size_t(column)];
        if (sample >= 0)
            plan.columns.push_back({sample, column, xs[size_t(sample)]});
    }
    plan.firstColumn = InRange(RoundHalfEven(xs.front()), W);
}

void PlanRows(const TransformState& gen, SurvivorPlan& plan)
{
    const size_t count = plan.ys.size();
    plan.rows.resize(count);
    plan.lastOfRow.resize(count);
    for (size_t b = 0; b < count; ++b)
        plan.rows[b] = InRange(StoredRow(gen, plan.ys[b]), gen.BitsHeight);
    for (size_t b = 0; b < count; ++b)
        plan.lastOfRow[b] = plan.rows[b] >= 0 && (b + 1 == count || plan.rows[b + 1] != plan.rows[b]);

    const Edges edges = EdgeSteps(gen);
    RowWalk walk; // one walk through all rows, as the reference engine keeps it
    plan.walks.reserve(count);
    for (const float y : plan.ys) {
        walk.Start(gen, edges, y);
        plan.walks.push_back(walk);
    }
}

} // namespace

std::optional<SurvivorPlan> MakeSurvivorPlan(const TransformState& gen)
{
    const int32_t W = gen.BitsWidth;
    const int32_t H = gen.BitsHeight;
    if (W < 2 || H < 2 || W > kMaxSide || H > kMaxSide || gen.SrcBits.Width() != W
        || gen.SrcBits.Height() != H || !PixelBuffer::FitsLimit(W, H))
        return std::nullopt;
    SurvivorPlan plan;
    plan.s = SampleStep(gen);
    auto xs = CounterValues(gen.DstX1, gen.DstX2, plan.s, kMaxStepsPerPixel * W);
    auto ys = CounterValues(gen.DstY1, gen.DstY2, plan.s, kMaxStepsPerPixel * H);
    if (!xs || !ys || xs->empty() || ys->empty())
        return std::nullopt;
    plan.samplesPerRow = int32_t(xs->size());
    PlanColumns(*xs, W, plan);
    plan.ys = std::move(*ys);
    PlanRows(gen, plan);
    return plan;
}

} // namespace quorvane
