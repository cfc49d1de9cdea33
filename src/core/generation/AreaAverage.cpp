#include "core/generation/AreaAverage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

// Separable: every source line is first reduced along x into the target's columns, once,
// then the reduced lines a target row covers are summed with their row weights. A pixel's
// four bytes travel as one vector of four floats, in the bytes' memory order.

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

// One source line reduced along x: for each target column, the weighted sum of its pixels.
// The bytes are made floats first, in a loop the compiler vectorizes.
void ReduceLine(const uint8_t* line, const Axis& columns, std::vector<float>& floats, std::vector<Channels>& out)
{
    for (size_t k = 0; k < floats.size(); ++k)
        floats[k] = float(line[k]);
    if (columns.halving) { // the weights are all 1: the same sums, without the table
        for (size_t x = 0; x < out.size(); ++x)
            out[x] = Load(&floats[8 * x]) + Load(&floats[8 * x + 4]);
        return;
    }
    for (size_t x = 0; x < out.size(); ++x) {
        Channels sum{};
        for (int32_t k = columns.begin[x]; k < columns.begin[x + 1]; ++k)
            sum += columns.weight[size_t(k)] * Load(&floats[size_t(columns.source[size_t(k)]) * 4]);
        out[x] = sum;
    }
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
};

LineReducer::LineReducer(QSize from, QSize to, TargetLine targetLine)
    : tables_(std::make_unique<Tables>(Tables{Coverage(from.width(), to.width()), Coverage(from.height(), to.height())})),
      targetLine_(std::move(targetLine)), floats_(size_t(from.width()) * 4), reduced_(size_t(to.width())),
      sums_(size_t(to.width()))
{
}

LineReducer::~LineReducer() = default;

// Every share of the line goes to its target row in turn; a row is written at its last share.
void LineReducer::Push(const uint8_t* line)
{
    const Axis& rows = tables_->rows;
    ReduceLine(line, tables_->columns, floats_, reduced_);
    for (; share_ < rows.source.size() && rows.source[share_] == line_; ++share_) {
        if (int32_t(share_) == rows.begin[size_t(row_)])
            std::fill(sums_.begin(), sums_.end(), Channels{});
        const float weight = rows.weight[share_];
        for (size_t x = 0; x < sums_.size(); ++x)
            sums_[x] += weight * reduced_[x];
        if (int32_t(share_) + 1 == rows.begin[size_t(row_) + 1])
            WriteRow();
    }
    ++line_;
}

void LineReducer::WriteRow()
{
    QRgb* out = targetLine_(row_);
    const Axis& columns = tables_->columns;
    for (size_t x = 0; x < sums_.size(); ++x)
        out[x] = Pack(sums_[x] / (columns.total[x] * tables_->rows.total[size_t(row_)]));
    ++row_;
}

namespace {

// Rows of `from` pixels whose bytes lie in QRgb's memory order, top line first.
using SourceLine = std::function<const uint8_t*(int y)>;

void Reduce(const SourceLine& sourceLine, QSize from, QSize to, const LineReducer::TargetLine& targetLine)
{
    LineReducer reducer(from, to, targetLine);
    for (int y = 0; y < from.height(); ++y)
        reducer.Push(sourceLine(y));
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
    Reduce([&opaque](int y) { return opaque.constScanLine(y); }, opaque.size(),
           size, [&result](int y) { return reinterpret_cast<QRgb*>(result.scanLine(y)); });
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
    Reduce([&](int y) { return bytes.data() + size_t(height - 1 - y) * rowBytes; },
           QSize(source.Width(), height), place.size(),
           [&](int y) { return reinterpret_cast<QRgb*>(target.scanLine(place.y() + y)) + place.x(); });
}

} // namespace quorvane
