#include "core/generation/AreaAverage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

struct Share {
    int source;    // source pixel index
    double weight; // covered part of it
};

// For each of `count` target pixels, the source pixels it covers on one axis.
std::vector<std::vector<Share>> Coverage(int sourceLength, int count)
{
    std::vector<std::vector<Share>> table(static_cast<size_t>(count));
    const double factor = double(sourceLength) / count;
    for (int t = 0; t < count; ++t) {
        const double from = t * factor;
        const double to = std::min(double(sourceLength), (t + 1) * factor);
        for (int s = int(std::floor(from)); s < sourceLength && s < to; ++s) {
            const double weight = std::min(to, s + 1.0) - std::max(from, double(s));
            if (weight > 0.0)
                table[size_t(t)].push_back({s, weight});
        }
    }
    return table;
}

using Sum = std::array<double, 3>;

// One source line reduced horizontally, per target column, with its weights summed.
void AddLine(const QRgb* line, double rowWeight, const std::vector<std::vector<Share>>& columns,
             std::vector<Sum>& sums, std::vector<double>& weights)
{
    for (size_t x = 0; x < columns.size(); ++x) {
        for (const Share& share : columns[x]) {
            const double w = rowWeight * share.weight;
            const QRgb pixel = line[share.source];
            sums[x][0] += w * qRed(pixel);
            sums[x][1] += w * qGreen(pixel);
            sums[x][2] += w * qBlue(pixel);
            weights[x] += w;
        }
    }
}

int Channel(double sum, double weight)
{
    const auto mean = Divide(sum, weight);
    return std::clamp(RoundHalfEvenClamped(mean.value_or(0.0)), 0, 255);
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
    const auto columns = Coverage(opaque.width(), size.width());
    const auto rows = Coverage(opaque.height(), size.height());
    std::vector<Sum> sums(size_t(size.width()));
    std::vector<double> weights(size_t(size.width()));
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sums.begin(), sums.end(), Sum{});
        std::fill(weights.begin(), weights.end(), 0.0);
        for (const Share& row : rows[size_t(y)])
            AddLine(reinterpret_cast<const QRgb*>(opaque.constScanLine(row.source)), row.weight,
                    columns, sums, weights);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const Sum& s = sums[size_t(x)];
            const double w = weights[size_t(x)];
            out[x] = qRgb(Channel(s[0], w), Channel(s[1], w), Channel(s[2], w));
        }
    }
    return result;
}

} // namespace quorvane
