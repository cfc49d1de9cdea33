#include "core/designer/CornerScan.h"

namespace quorvane {

namespace {

// The marker a pure channel value stands for: 0 full, 1 half, -1 neither (200 is neither).
int MarkerLevel(uint8_t value)
{
    if (value > 200)
        return 0;
    if (value >= 101 && value <= 199)
        return 1;
    return -1;
}

// The pixel at (x, y) comes after `found` when columns are scanned left to right and each
// column from the bottom up.
bool ComesLater(const QPoint& found, int x, int y)
{
    return x > found.x() || (x == found.x() && y > found.y());
}

} // namespace

bool CaptureBits::IsComplete() const
{
    return width > 0 && height > 0 && bytes.size() >= size_t(width) * size_t(height) * 4;
}

bool CornerFound(const QPoint& corner)
{
    return corner.x() != -1 && corner.y() != -1;
}

FoundCorners ScanCorners(const CaptureBits& bits)
{
    FoundCorners found;
    found.fill(kCornerNotFound);
    if (!bits.IsComplete())
        return found;
    // Scan positions kept in bottom-up rows; turned into rows from the top at the end.
    std::array<QPoint, 6> last;
    last.fill(kCornerNotFound);
    const uint8_t* pixel = bits.bytes.data();
    for (int y = 0; y < bits.height; ++y) {
        for (int x = 0; x < bits.width; ++x, pixel += 4) {
            const uint8_t b = pixel[0], g = pixel[1], r = pixel[2];
            int corner = -1;
            if (g == 0 && b == 0 && MarkerLevel(r) >= 0)
                corner = MarkerLevel(r);
            else if (r == 0 && b == 0 && MarkerLevel(g) >= 0)
                corner = 2 + MarkerLevel(g);
            else if (r == 0 && g == 0 && MarkerLevel(b) >= 0)
                corner = 4 + MarkerLevel(b);
            if (corner >= 0 && ComesLater(last[corner], x, y))
                last[corner] = QPoint(x, y);
        }
    }
    for (int i = 0; i < 6; ++i) {
        if (CornerFound(last[i]))
            found[i] = QPoint(last[i].x(), bits.height - last[i].y());
    }
    return found;
}

} // namespace quorvane
