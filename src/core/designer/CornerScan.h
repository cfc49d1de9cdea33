#pragma once

// Finding the six corner markers in a captured view.

#include <array>
#include <cstdint>
#include <vector>

#include <QPoint>

namespace quorvane {

// A captured view: rows from the bottom of the view up, 4 bytes per pixel (blue, green,
// red, unused), no padding.
struct CaptureBits {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;

    bool IsComplete() const;
};

using FoundCorners = std::array<QPoint, 6>;
inline constexpr QPoint kCornerNotFound{-1, -1};

bool CornerFound(const QPoint& corner);

// Looks for each marker colour: a channel above 200 with the other two at 0 is a full
// marker (corners 0, 2, 4 for red, green, blue), 101..199 a half marker (corners 1, 3, 5).
// Positions are (column, rows from the top + 1). Where a colour occurs more than once the
// pixel farthest right wins, and among those the one nearest the top. Corners not seen
// are kCornerNotFound; so are all when the buffer is incomplete.
FoundCorners ScanCorners(const CaptureBits& bits);

} // namespace quorvane
