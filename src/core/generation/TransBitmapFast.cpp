#include "core/generation/TransBitmapFast.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <vector>

#include "core/generation/RowReplay.h"
#include "core/generation/SurvivorLanes.h"
#include "core/generation/SurvivorPlan.h"
#include "core/generation/WorkerThreads.h"

namespace quorvane {

namespace {

// One call's rows in loop order: lane blocks compute the surviving rows ahead, then every
// row is settled, reported and handed to the callback in turn.
class FastRun {
public:
    FastRun(TransformState& gen, GenControl& control, const SurvivorPlan& plan, LaneWidth width,
            const FinishedRows& finished)
        : gen_(gen), control_(control), plan_(plan), width_(width), laneCount_(size_t(SurvivorLaneCount(width))),
          handOver_(gen, finished)
    {
    }

    // False when GenStop ended the run.
    bool Run(const RowCallback& afterRow)
    {
        if (control_.GenStop) {
            Stop(-1);
            return false;
        }
        const int32_t count = plan_.RowCount();
        for (int32_t b = 0; b < count; ++b) {
            if (b == blockEnd_)
                ComputeBlock(b);
            if (plan_.lastOfRow[size_t(b)])
                Settle(b);
            ReportProgress(gen_, control_, plan_.ys[size_t(b)]);
            if (afterRow)
                afterRow();
            if (control_.GenStop && b + 1 < count) {
                Stop(b);
                return false;
            }
        }
        handOver_.Through(-1);
        handOver_.Flush();
        return true;
    }

private:
    // Computes the next surviving rows from b on, up to kRowsAhead spanning fewer stored
    // rows than that, one per lane: groups of a lane width, shared among the threads. The
    // rows handed over so far go first, before the ring slots they lie in are reused.
    void ComputeBlock(int32_t b)
    {
        handOver_.Flush();
        lanes_.clear();
        laneAt_ = 0;
        const int32_t count = plan_.RowCount();
        for (blockEnd_ = b; blockEnd_ < count && lanes_.size() < size_t(kRowsAhead); ++blockEnd_) {
            if (!plan_.lastOfRow[size_t(blockEnd_)])
                continue;
            if (!lanes_.empty() && plan_.rows[size_t(lanes_.front())] - plan_.rows[size_t(blockEnd_)] >= kRowsAhead)
                break;
            lanes_.push_back(blockEnd_);
        }
        const int32_t groups = int32_t((lanes_.size() + laneCount_ - 1) / laneCount_);
        outcomes_.resize(size_t(groups));
        ForEachShare(groups, 1, [this](int32_t begin, int32_t end) {
            for (int32_t g = begin; g < end; ++g) {
                const size_t first = size_t(g) * laneCount_;
                const auto rows = std::span<const int32_t>(lanes_).subspan(first, std::min(laneCount_, lanes_.size() - first));
                RunSurvivorLanes(gen_, plan_, rows, width_, outcomes_[size_t(g)]);
            }
        });
    }

    // Row b is the last of its stored row: make its pixels final and carry on from it.
    void Settle(int32_t b)
    {
        while (lanes_[laneAt_] < b) // the rows of a block settle in order
            ++laneAt_;
        const LaneOutcome& outcome = outcomes_[laneAt_ / laneCount_][laneAt_ % laneCount_];
        if (outcome.exact) {
            carry_.TakeFull(outcome.lastU, outcome.lastV);
        } else {
            CatchUp(b - 1);
            ReplayRow(gen_, plan_, b, carry_, true);
        }
        carried_ = b;
        handOver_.Through(plan_.rows[size_t(b)]);
    }

    // Brings the carried colour up to the end of row b.
    void CatchUp(int32_t b)
    {
        while (carried_ < b)
            ReplayRow(gen_, plan_, ++carried_, carry_, false);
    }

    // GenStop after row b (-1: before the first): leaves DstBits as the reference engine
    // does, rows up to b written and the first sample of row b + 1.
    void Stop(int32_t b)
    {
        for (const int32_t ahead : lanes_) {
            if (ahead > b) {
                const auto bytes = gen_.DstBits.MutableRow(plan_.rows[size_t(ahead)]);
                std::fill(bytes.begin(), bytes.end(), uint8_t(255));
            }
        }
        if (b >= 0 && carried_ < b) {
            CatchUp(b - 1);
            ReplayRow(gen_, plan_, b, carry_, true);
            carried_ = b;
        }
        ReplayFirstSample(gen_, plan_, b + 1, carry_);
    }

    TransformState& gen_;
    GenControl& control_;
    const SurvivorPlan& plan_;
    const LaneWidth width_;
    const size_t laneCount_;
    std::vector<int32_t> lanes_;           // the block's rows, in order
    std::vector<LaneOutcomes> outcomes_; // of each group of laneCount_ rows of lanes_
    size_t laneAt_ = 0;                  // the block's row settled next
    int32_t blockEnd_ = 0; // first row after the current block
    CarriedColour carry_;
    int32_t carried_ = -1; // carry_ holds the colour after this row
    RowHandOver handOver_;
};

// The reference engine's rows handed over once it has run: for calls the plan does not cover.
bool ReferenceRows(TransformState& gen, GenControl& control, const RowCallback& afterRow, const FinishedRows& finished)
{
    QImage none; // the reference engine draws into nothing then
    if (!TransBitmap(gen, control, none, afterRow))
        return false;
    if (finished) {
        std::vector<const uint8_t*> rows;
        for (int32_t row = gen.BitsHeight - 1; row >= 0; --row)
            rows.push_back(gen.DstBits.MutableRow(row).data());
        finished(rows);
    }
    return true;
}

// DstBits only; false when GenStop ended the call.
bool RunFast(TransformState& gen, GenControl& control, const RowCallback& afterRow, LaneWidth lanes,
             const FinishedRows& finished = {})
{
    // The lanes write pixels as little-endian words.
    if constexpr (std::endian::native != std::endian::little)
        return ReferenceRows(gen, control, afterRow, finished);
    const auto plan = MakeSurvivorPlan(gen);
    if (!plan)
        return ReferenceRows(gen, control, afterRow, finished);
    gen.DstBits.Reset(gen.BitsWidth, gen.BitsHeight, 255);
    FastRun run(gen, control, *plan, lanes, finished);
    return run.Run(afterRow);
}

} // namespace

bool TransBitmapFast(TransformState& gen, GenControl& control, const RowCallback& afterRow)
{
    return RunFast(gen, control, afterRow, LaneWidth::Widest);
}

bool TransBitmapFastRows(TransformState& gen, GenControl& control, const RowCallback& afterRow,
                        const FinishedRows& finished)
{
    return RunFast(gen, control, afterRow, LaneWidth::Widest, finished);
}

bool TransBitmapFast(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow,
                     LaneWidth lanes)
{
    if (!RunFast(gen, control, afterRow, lanes))
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

bool TransBitmapFast(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow)
{
    return TransBitmapFast(gen, control, target, afterRow, LaneWidth::Widest);
}

} // namespace quorvane
