#include "core/generation/TransBitmapExact.h"

#include "core/generation/ExactLanes.h"
#include "core/generation/SurvivorPlan.h"
#include "core/generation/TransBitmapFast.h"

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

bool RunRows(TransformState& gen, GenControl& control, const RowCallback& afterRow, const SurvivorPlan& plan,
             const Homography& t, const FinishedRow& finished, LaneWidth width)
{
    gen.DstBits.Reset(gen.BitsWidth, gen.BitsHeight, 255);
    const ExactColumns columns = ColumnsOf(plan);
    RowHandOver handOver(gen, finished);
    if (control.GenStop)
        return false;
    const int32_t count = plan.RowCount();
    for (int32_t b = 0; b < count; ++b) {
        const float y = plan.ys[size_t(b)];
        const int32_t row = plan.rows[size_t(b)];
        if (plan.lastOfRow[size_t(b)] && !columns.xs.empty()) {
            RunExactLanes(gen, columns, TermsAt(t, y), gen.DstBits.MutableRow(row).data(), width);
            handOver.Through(row);
        }
        ReportProgress(gen, control, y);
        if (afterRow)
            afterRow();
        if (control.GenStop && b + 1 < count)
            return false;
    }
    handOver.Through(-1);
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
                      const FinishedRow& finished, LaneWidth width)
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
                   const FinishedRow& finished)
{
    if (mapping == SheetMapping::Exact)
        return TransBitmapExact(gen, control, afterRow, finished);
    return TransBitmapFastRows(gen, control, afterRow, finished);
}

} // namespace quorvane
