#include "core/output/PaletteDither.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace quorvane {

namespace {

constexpr int kCellBits = 3; // cells of 8 x 8 x 8 colours
constexpr int kCellsPerSide = 256 >> kCellBits;
constexpr int kCellSide = 1 << kCellBits;

int Distance(const PaletteColour& entry, int red, int green, int blue)
{
    const int r = entry[0] - red, g = entry[1] - green, b = entry[2] - blue;
    return r * r + g * g + b * b;
}

// Squared distances from a value to the nearest and farthest points of [low, low + side).
int Nearer(int value, int low)
{
    const int high = low + kCellSide - 1;
    const int d = value < low ? low - value : (value > high ? value - high : 0);
    return d * d;
}

int Farther(int value, int low)
{
    const int d = std::max(std::abs(value - low), std::abs(value - (low + kCellSide - 1)));
    return d * d;
}

} // namespace

NearestColour::NearestColour(std::vector<PaletteColour> palette)
    : palette_(std::move(palette)), cells_(size_t(kCellsPerSide) * kCellsPerSide * kCellsPerSide),
      filled_(cells_.size(), 0)
{
}

// The entries whose nearest point of the cell is no farther than some entry's farthest:
// only they can be nearest to a colour in the cell.
const std::vector<uint8_t>& NearestColour::Candidates(int red, int green, int blue)
{
    const size_t cell = (size_t(red >> kCellBits) * kCellsPerSide + size_t(green >> kCellBits)) * kCellsPerSide
        + size_t(blue >> kCellBits);
    std::vector<uint8_t>& candidates = cells_[cell];
    if (filled_[cell])
        return candidates;
    filled_[cell] = 1;
    const int low[3] = {red >> kCellBits << kCellBits, green >> kCellBits << kCellBits, blue >> kCellBits << kCellBits};
    int bound = INT_MAX;
    for (const PaletteColour& entry : palette_) {
        int farthest = 0;
        for (size_t c = 0; c < 3; ++c)
            farthest += Farther(entry[c], low[c]);
        bound = std::min(bound, farthest);
    }
    for (size_t i = 0; i < palette_.size(); ++i) {
        int nearest = 0;
        for (size_t c = 0; c < 3; ++c)
            nearest += Nearer(palette_[i][c], low[c]);
        if (nearest <= bound)
            candidates.push_back(uint8_t(i));
    }
    return candidates;
}

uint8_t NearestColour::Find(int red, int green, int blue)
{
    uint8_t best = 0;
    int bestDistance = INT_MAX;
    for (const uint8_t i : Candidates(red, green, blue)) {
        const int distance = Distance(palette_[i], red, green, blue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

std::vector<uint8_t> DitherToPalette(const QImage& page, const std::vector<PaletteColour>& palette)
{
    if (page.isNull() || palette.empty() || palette.size() > 256)
        return {};
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    NearestColour nearest(palette);
    std::vector<uint8_t> indices(size_t(width) * size_t(rgb.height()));
    // Sixteenths of the error owed to this row and the next, one pixel of slack each side.
    std::vector<int> here(size_t(width + 2) * 3, 0), next(here.size(), 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::fill(next.begin(), next.end(), 0);
        for (int x = 0; x < width; ++x) {
            const int source[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            int wanted[3];
            for (size_t c = 0; c < 3; ++c) // five eighths of the owed error, rounded
                wanted[c] = std::clamp(source[c] + ((here[size_t(x + 1) * 3 + c] * 5 + 64) >> 7), 0, 255);
            const uint8_t index = nearest.Find(wanted[0], wanted[1], wanted[2]);
            indices[size_t(y) * size_t(width) + size_t(x)] = index;
            for (size_t c = 0; c < 3; ++c) {
                const int error = wanted[c] - palette[index][c];
                here[size_t(x + 2) * 3 + c] += 7 * error;
                next[size_t(x) * 3 + c] += 3 * error;
                next[size_t(x + 1) * 3 + c] += 5 * error;
                next[size_t(x + 2) * 3 + c] += error;
            }
        }
        std::swap(here, next);
    }
    return indices;
}

} // namespace quorvane
