#include "core/generation/AreaAverage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "core/generation/WorkerThreads.h"

// Separable: every source line is first reduced along x into the target's columns, once,
// then the reduced lines a target row covers are summed with their row weights. A source
// narrower than the target and far taller (a canvas narrowed to less than half the page's
// width, for a very tall outline) is summed down first and reduced across once per target
// row: the same means, rounded in another order, for a fraction of the work. A pixel's four bytes travel as one
// vector of four floats, in the bytes' memory order.

namespace quorvane {

namespace {

using ChannelInts = int32_t __attribute__((vector_size(16)));

// For each target pixel on one axis, the source pixels it covers and the covered part of
// each: target t spans [t, t + 1) * sourceLength / count.
struct Axis {
    std::vector<int32_t> begin;  // shares of target t: begin[t] .. begin[t + 1] - 1
    std::vector<int32_t> source; // source pixel of each share
    std::vector<float> weight;   // covered part of it
    std::vector<float> total;    // summed weights of target t
    bool halving = false;        // target t is exactly source 2t and 2t + 1, each whole
};

Axis Coverage(int sourceLength, int count)
{
    Axis axis;
    axis.begin.reserve(size_t(count) + 1);
    const double factor = double(sourceLength) / count;
    for (int t = 0; t < count; ++t) {
        axis.begin.push_back(int32_t(axis.source.size()));
        const double from = t * factor;
        const double to = std::min(double(sourceLength), (t + 1) * factor);
        double total = 0.0;
        for (int s = int(std::floor(from)); s < sourceLength && s < to; ++s) {
            const double weight = std::min(to, s + 1.0) - std::max(from, double(s));
            if (weight > 0.0) {
                axis.source.push_back(s);
                axis.weight.push_back(float(weight));
                total += weight;
            }
        }
        axis.total.push_back(float(total));
    }
    axis.begin.push_back(int32_t(axis.source.size()));
    axis.halving = sourceLength == 2 * count;
    return axis;
}

Channels Load(const float* channels)
{
    Channels value;
    std::memcpy(&value, channels, sizeof value);
    return value;
}

// Each mean rounded half to even: adding 2^23 leaves the integer in the low byte.
QRgb Pack(Channels mean)
{
    const ChannelInts value = ChannelInts(mean + 8388608.0f);
    const uint8_t bytes[4] = {uint8_t(value[0]), uint8_t(value[1]), uint8_t(value[2]), 255};
    QRgb pixel;
    std::memcpy(&pixel, bytes, sizeof pixel);
    return pixel | 0xff000000u;
}

} // namespace

struct LineReducer::Tables {
    Axis columns;
    Axis rows;
    bool sumsDownFirst = false;
};

// A range of target columns and the source columns they read, with the buffers of one
// thread: a slice is computed by one thread at a time and writes only its own columns.
struct LineReducer::Slice {
    int32_t x0 = 0; // target columns x0 .. x1 - 1
    int32_t x1 = 0;
    int32_t s0 = 0; // source columns s0 .. s1 - 1
    int32_t s1 = 0;
    std::vector<float> floats;     // the source columns of a line as floats
    std::vector<Channels> reduced; // the line reduced across, per target column
    std::vector<Channels> sums;    // the row so far: per target column, or per source column when summed down first
    Position end;                  // where the slice stopped after the last push

    Slice(const Tables& tables, int32_t from, int32_t to)
        : x0(from), x1(to), s0(tables.columns.source[size_t(tables.columns.begin[size_t(from)])]),
          s1(tables.columns.source[size_t(tables.columns.begin[size_t(to)] - 1)] + 1),
          floats(size_t(s1 - s0) * 4), reduced(tables.sumsDownFirst ? 0 : size_t(to - from)),
          sums(tables.sumsDownFirst ? size_t(s1 - s0) : size_t(to - from))
    {
    }

    void Push(const Tables& tables, const TargetLine& targetLine, const uint8_t* line, Position& at)
    {
        const uint8_t* bytes = line + size_t(s0) * 4;
        for (size_t k = 0; k < floats.size(); ++k)
            floats[k] = float(bytes[k]);
        if (!tables.sumsDownFirst)
            ReduceAcross(tables.columns);
        const Axis& rows = tables.rows;
        for (; at.share < rows.source.size() && rows.source[at.share] == at.line; ++at.share) {
            if (int32_t(at.share) == rows.begin[size_t(at.row)])
                std::fill(sums.begin(), sums.end(), Channels{});
            const float weight = rows.weight[at.share];
            if (tables.sumsDownFirst) {
                for (size_t s = 0; s < sums.size(); ++s)
                    sums[s] += weight * Load(&floats[4 * s]);
            } else {
                for (size_t x = 0; x < sums.size(); ++x)
                    sums[x] += weight * reduced[x];
            }
            if (int32_t(at.share) + 1 == rows.begin[size_t(at.row) + 1]) {
                WriteRow(tables, targetLine(at.row), at.row);
                ++at.row;
            }
        }
        ++at.line;
    }

private:
    // The line reduced across into this slice's target columns: for each, the weighted sum
    // of its pixels.
    void ReduceAcross(const Axis& columns)
    {
        if (columns.halving) { // the weights are all 1: the same sums, without the table
            for (size_t x = 0; x < reduced.size(); ++x)
                reduced[x] = Load(&floats[8 * x]) + Load(&floats[8 * x + 4]);
            return;
        }
        for (size_t x = 0; x < reduced.size(); ++x) {
            const size_t t = size_t(x0) + x;
            Channels sum{};
            for (int32_t k = columns.begin[t]; k < columns.begin[t + 1]; ++k)
                sum += columns.weight[size_t(k)] * Load(&floats[size_t(columns.source[size_t(k)] - s0) * 4]);
            reduced[x] = sum;
        }
    }

    void WriteRow(const Tables& tables, QRgb* out, int row)
    {
        const Axis& columns = tables.columns;
        const float rowTotal = tables.rows.total[size_t(row)];
        for (int32_t t = x0; t < x1; ++t) {
            Channels sum{};
            if (tables.sumsDownFirst) {
                for (int32_t k = columns.begin[size_t(t)]; k < columns.begin[size_t(t) + 1]; ++k)
                    sum += columns.weight[size_t(k)] * sums[size_t(columns.source[size_t(k)] - s0)];
            } else {
                sum = sums[size_t(t - x0)];
            }
            out[t] = Pack(sum / (columns.total[size_t(t)] * rowTotal));
        }
    }
};

namespace {

// Target columns per slice at least: fewer are not worth a thread.
constexpr int32_t kMinSliceColumns = 256;

} // namespace

LineReducer::LineReducer(QSize from, QSize to, TargetLine targetLine)
    : tables_(std::make_unique<Tables>(Tables{Coverage(from.width(), to.width()), Coverage(from.height(), to.height())})),
      targetLine_(std::move(targetLine))
{
    tables_->sumsDownFirst = from.width() < to.width() && from.height() >= 2 * to.height();
    if (to.width() <= 0 || tables_->columns.source.empty())
        return;
    const int32_t count = std::clamp(to.width() / kMinSliceColumns, 1, GenerationThreads());
    for (int32_t k = 0; k < count; ++k)
        slices_.emplace_back(*tables_, int32_t(int64_t(to.width()) * k / count), int32_t(int64_t(to.width()) * (k + 1) / count));
}

LineReducer::~LineReducer() = default;

bool LineReducer::SumsDownFirst() const
{
    return tables_->sumsDownFirst;
}

void LineReducer::Push(const uint8_t* line)
{
    Push(std::span<const uint8_t* const>(&line, 1));
}

// Every slice takes all the lines from the same position; they all end at the same one.
void LineReducer::Push(std::span<const uint8_t* const> lines)
{
    if (slices_.empty())
        return;
    ForEachShare(int32_t(slices_.size()), 1, [&](int32_t begin, int32_t end) {
        for (int32_t k = begin; k < end; ++k) {
            Slice& slice = slices_[size_t(k)];
            slice.end = at_;
            for (const uint8_t* line : lines)
                slice.Push(*tables_, targetLine_, line, slice.end);
        }
    });
    at_ = slices_.front().end;
}

namespace {

// Rows of `from` pixels whose bytes lie in QRgb's memory order, top line first.
using SourceLine = std::function<const uint8_t*(int y)>;

void Reduce(const SourceLine& sourceLine, QSize from, QSize to, const LineReducer::TargetLine& targetLine)
{
    LineReducer reducer(from, to, targetLine);
    constexpr int kBatch = 64;
    std::vector<const uint8_t*> lines;
    for (int y = 0; y < from.height(); y += kBatch) {
        lines.clear();
        for (int k = y; k < std::min(from.height(), y + kBatch); ++k)
            lines.push_back(sourceLine(k));
        reducer.Push(lines);
    }
}

} // namespace

QImage AreaAverageScale(const QImage& source, QSize size)
{
    if (source.isNull() || size.isEmpty())
        return {};
    const QImage opaque = source.format() == QImage::Format_RGB32
        ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage result(size, QImage::Format_RGB32);
    if (opaque.isNull() || result.isNull())
        return {};
    uchar* const bits = result.bits(); // the threads write their columns through one pointer
    const qsizetype stride = result.bytesPerLine();
    Reduce([&opaque](int y) { return opaque.constScanLine(y); }, opaque.size(),
           size, [bits, stride](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); });
    return result;
}

void AreaAverageInto(const PixelBuffer& source, QImage& target, const QRect& place)
{
    if (source.IsEmpty() || target.isNull() || place.isEmpty() || !target.rect().contains(place))
        return;
    if (target.format() != QImage::Format_RGB32)
        target.convertTo(QImage::Format_RGB32);
    if constexpr (std::endian::native != std::endian::little) {
        // Our bytes are QRgb's memory order only on a little-endian machine.
        const QImage reduced = AreaAverageScale(source.ToImage(), place.size());
        for (int y = 0; y < place.height(); ++y)
            std::memcpy(target.scanLine(place.y() + y) + size_t(place.x()) * 4, reduced.constScanLine(y),
                        size_t(place.width()) * 4);
        return;
    }
    const auto bytes = source.Bytes();
    const size_t rowBytes = size_t(source.Width()) * PixelBuffer::kChannels;
    const int32_t height = source.Height();
    uchar* const bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    Reduce([&](int y) { return bytes.data() + size_t(height - 1 - y) * rowBytes; },
           QSize(source.Width(), height), place.size(),
           [bits, stride, place](int y) { return reinterpret_cast<QRgb*>(bits + (place.y() + y) * stride) + place.x(); });
}

} // namespace quorvane
