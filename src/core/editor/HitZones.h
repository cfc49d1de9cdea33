#pragma once

// The parts of the placement rectangle the pointer can grab: eight grips and the inside.
// Pure geometry over the placement; the editor keeps the state of a drag.
//
// Zone codes: 0 none, 1 top-left, 2 bottom-right, 3 top-right, 4 bottom-left, 5 top edge,
// 6 bottom edge, 7 right edge, 8 left edge, 9 the inside.

#include <cstdint>

#include <QPointF>
#include <QSizeF>

#include "core/shell/Placement.h"

namespace quorvane {

enum class PointerShape { Arrow, DiagonalNwSe, DiagonalNeSw, Vertical, Horizontal, Move };

inline constexpr int16_t kZoneNone = 0;
inline constexpr int16_t kZoneInside = 9;

// Where a grip's centre or a drag's anchor lies along one axis of the placement:
// the low edge (SelX1 / SelY1), the middle, or the high edge (SelX2 / SelY2).
enum class AxisPlace : uint8_t { Low, Mid, High };

struct Grip {
    AxisPlace centreX;
    AxisPlace centreY;
    AxisPlace anchorX; // the fixed corner of a resize: on the opposite side of the grip
    AxisPlace anchorY;
    PointerShape pointer;

    // An edge grip in the middle of the top or bottom edge leaves left and right alone,
    // and the other way round.
    bool ChangesX() const { return centreX != AxisPlace::Mid; }
    bool ChangesY() const { return centreY != AxisPlace::Mid; }
};

// The grip of zone 1..8; null for any other zone.
const Grip* GripOf(int16_t zone);

// The zone under (x, y): the first grip in zone order whose open 3-pixel square holds
// the point, else the inside (strictly), else none.
int16_t HitZoneAt(const Placement& place, float x, float y);

PointerShape PointerOf(int16_t zone);

// The fixed corner of a resize by this grip on the current placement.
QPointF AnchorOf(const Grip& grip, const Placement& place);

// The position held to the canvas: 0..width, 0..height; not-a-number becomes 0.
QPointF ClampToCanvas(float x, float y, QSizeF canvas);

} // namespace quorvane
