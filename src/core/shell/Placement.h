#pragma once

#include <compare>

namespace quorvane {

// The picture's rectangle on the canvas: left, top, right, bottom in canvas pixels. While
// a resize drags a grip past the opposite edge, a preview may hold its corners in either
// order; a committed placement has SelX1 <= SelX2 and SelY1 <= SelY2.
struct Placement {
    float SelX1 = 0.0f;
    float SelY1 = 0.0f;
    float SelX2 = 0.0f;
    float SelY2 = 0.0f;

    bool operator==(const Placement&) const = default;

    Placement Shifted(float dx, float dy) const { return {SelX1 + dx, SelY1 + dy, SelX2 + dx, SelY2 + dy}; }
};

} // namespace quorvane
