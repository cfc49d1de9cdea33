#include "core/generation/TransBitmapExact.h"

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
    while (!columns.xs.empty() && columns.xs.size() % kMaxExactLanes != 0) {
        columns.xs.push_back(columns.xs.back());
        columns.columns.push_back(columns.columns.back());
    }
    return columns;
}

ExactSource SourceOf(const TransformState& gen, const Homography& t)
{
    ExactSource src;
    src.bytes = gen.SrcBits.Bytes().data();
    src.W = gen.BitsWidth;
    src.H = gen.BitsHeight;
    src.DstY2 = gen.DstY2;
    src.a = float(t.m[0]);
    src.d = float(t.m[3]);
    src.g = float(t.m[6]);
    return src;
}

ExactRowTerms TermsAt(const Homography& t, float y)
{
    return {float(t.m[1] * y + t.m[2]), float(t.m[4] * y + t.m[5]), float(t.m[7] * y + t.m[8])};
}

bool RunRows(TransformState& gen, GenControl& control, const RowCallback& afterRow, const SurvivorPlan& plan,
             const Homography& t, int lanes)
{
    gen.DstBits.Reset(gen.BitsWidth, gen.BitsHeight, 255);
    const ExactSource src = SourceOf(gen, t);
    const ExactColumns columns = ColumnsOf(plan);
    if (control.GenStop)
        return false;
    const int32_t count = plan.RowCount();
    for (int32_t b = 0; b < count; ++b) {
        const float y = plan.ys[size_t(b)];
        if (plan.lastOfRow[size_t(b)] && !columns.xs.empty())
            RunExactRow(src, columns, TermsAt(t, y), gen.DstBits.MutableRow(plan.rows[size_t(b)]).data(), lanes);
        ReportProgress(gen, control, y);
        if (afterRow)
            afterRow();
        if (control.GenStop && b + 1 < count)
            return false;
    }
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

bool TransBitmapExact(TransformState& gen, GenControl& control, const RowCallback& afterRow, int lanes)
{
    const auto t = TargetToQuad(gen);
    const auto plan = t ? MakeSurvivorPlan(gen) : std::nullopt;
    if (!plan)
        return TransBitmapFast(gen, control, afterRow);
    return RunRows(gen, control, afterRow, *plan, *t, lanes);
}

bool TransBitmapExact(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow)
{
    if (!TransBitmapExact(gen, control, afterRow))
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

bool ReprojectPass(TransformState& gen, GenControl& control, const RowCallback& afterRow, SheetMapping mapping)
{
    if (mapping == SheetMapping::Exact)
        return TransBitmapExact(gen, control, afterRow);
    return TransBitmapFast(gen, control, afterRow);
}

} // namespace quorvane
