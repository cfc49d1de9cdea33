#include "core/generation/TransBitmapExact.h"

#include <algorithm>
#include <vector>

#include "core/generation/ExactLanes.h"
#include "core/generation/SurvivorPlan.h"
#include "core/generation/TransBitmapFast.h"
#include "core/generation/WorkerThreads.h"

namespace quorvane {

namespace {

ExactColumns ColumnsOf(const SurvivorPlan& plan)
{
    ExactColumns columns;
    for (const ColumnSurvivor& survivor : plan.columns) {
        columns.xs.push_back(survivor.x);
        columns.columns.push_back(survivor.column);
    }
    while (!columns.xs.empty() && columns.xs.size() % kMaxSurvivorLanes != 0) {
        columns.xs.push_back(columns.xs.back());
        columns.columns.push_back(columns.columns.back());
    }
    return columns;
}

ExactRowTerms TermsAt(const Homography& t, float y)
{
    const auto& m = t.m;
    return {float(m[0]), float(m[3]), float(m[6]), float(m[1] * y + m[2]), float(m[4] * y + m[5]),
            float(m[7] * y + m[8])};
}

// The rows from b on that RunRows computes together, up to kRowsAhead spanning fewer stored
// rows than that; returns the first row after them.
int32_t NextBlock(const SurvivorPlan& plan, int32_t b, std::vector<int32_t>& block)
{
    block.clear();
    const int32_t count = plan.RowCount();
    for (; b < count && block.size() < size_t(kRowsAhead); ++b) {
        if (!plan.lastOfRow[size_t(b)])
            continue;
        if (!block.empty() && plan.rows[size_t(block.front())] - plan.rows[size_t(b)] >= kRowsAhead)
            break;
        block.push_back(b);
    }
    return b;
}

bool RunRows(TransformState& gen, GenControl& control, const RowCallback& afterRow, const SurvivorPlan& plan,
             const Homography& t, const FinishedRows& finished, LaneWidth width)
{
    gen.DstBits.Reset(gen.BitsWidth, gen.BitsHeight, 255);
    const ExactColumns columns = ColumnsOf(plan);
    RowHandOver handOver(gen, finished);
    if (control.GenStop)
        return false;
    const int32_t count = plan.RowCount();
    std::vector<int32_t> block;
    int32_t blockEnd = 0;
    for (int32_t b = 0; b < count; ++b) {
        if (b == blockEnd) { // every row of a block is computed on its own, so the threads share them
            handOver.Flush();
            blockEnd = NextBlock(plan, b, block);
            if (!columns.xs.empty()) {
                ForEachShare(int32_t(block.size()), 8, [&](int32_t begin, int32_t end) {
                    for (int32_t k = begin; k < end; ++k) {
                        const int32_t r = block[size_t(k)];
                        RunExactLanes(gen, columns, TermsAt(t, plan.ys[size_t(r)]),
                                      gen.DstBits.MutableRow(plan.rows[size_t(r)]).data(), width);
                    }
                });
            }
        }
        if (plan.lastOfRow[size_t(b)] && !columns.xs.empty())
            handOver.Through(plan.rows[size_t(b)]);
        ReportProgress(gen, control, plan.ys[size_t(b)]);
        if (afterRow)
            afterRow();
        if (control.GenStop && b + 1 < count) {
            for (const int32_t ahead : block) { // rows computed ahead stay unwritten, as if not reached
                if (ahead > b) {
                    const auto bytes = gen.DstBits.MutableRow(plan.rows[size_t(ahead)]);
                    std::fill(bytes.begin(), bytes.end(), uint8_t(255));
                }
            }
            return false;
        }
    }
    handOver.Through(-1);
    handOver.Flush();
    return true;
}

} // namespace

std::optional<Homography> TargetToQuad(const TransformState& gen)
{
    std::array<QPointF, 4> quad;
    for (size_t k = 0; k < quad.size(); ++k)
        quad[k] = QPointF(gen.SrcQuad[k].x, gen.SrcQuad[k].y);
    return RectangleToQuad(gen.DstX1, gen.DstY1, gen.DstX2, gen.DstY2, quad);
}

bool TransBitmapExact(TransformState& gen, GenControl& control, const RowCallback& afterRow,
                      const FinishedRows& finished, LaneWidth width)
{
    const auto t = TargetToQuad(gen);
    const auto plan = t ? MakeSurvivorPlan(gen) : std::nullopt;
    if (!plan)
        return TransBitmapFastRows(gen, control, afterRow, finished);
    return RunRows(gen, control, afterRow, *plan, *t, finished, width);
}

bool TransBitmapExact(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow,
                      LaneWidth width)
{
    if (!TransBitmapExact(gen, control, afterRow, {}, width))
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

bool ReprojectPass(TransformState& gen, GenControl& control, const RowCallback& afterRow, SheetMapping mapping,
                   const FinishedRows& finished)
{
    if (mapping == SheetMapping::Exact)
        return TransBitmapExact(gen, control, afterRow, finished);
    return TransBitmapFastRows(gen, control, afterRow, finished);
}

} // namespace quorvane
