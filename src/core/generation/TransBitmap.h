#pragma once

// The re-projection engine: stretches a four-cornered area of the source buffer onto an
// upright rectangle of the destination buffer. The mapping is a four-corner (bilinear)
// interpolation walked row by row, not a projective one; each output sample is the mean
// of a horizontal and a vertical linear interpolation of the source. This is the exact
// reference version: any faster version must give the same bytes.

#include <array>
#include <cstdint>
#include <functional>

#include <QImage>

#include "core/generation/GenControl.h"
#include "core/generation/PixelBuffer.h"

namespace quorvane {

struct SinglePoint {
    float x = 0.0f;
    float y = 0.0f;
};

// The generation's working buffers and transform values, set by the driver before
// every TransBitmap.
struct TransformState {
    int32_t BitsWidth = 0;  // pixel width of both buffers
    int32_t BitsHeight = 0; // pixel height of both buffers
    PixelBuffer SrcBits;    // the source picture; only read here
    PixelBuffer DstBits;    // the result; re-created by every TransBitmap
    // The target rectangle in DstBits: left, top, right, bottom, y downwards from the top.
    float DstX1 = 0.0f;
    float DstY1 = 0.0f;
    float DstX2 = 0.0f;
    float DstY2 = 0.0f;
    // The source quadrilateral in SrcBits pixels, y downwards from the top. P1..P4 map to
    // the target's top-left, top-right, bottom-right and bottom-left corners.
    std::array<SinglePoint, 4> SrcQuad{};
};

// The state that re-projects `quad` of `source` onto the whole of a buffer of the same size.
TransformState WholeBufferState(PixelBuffer source, const std::array<SinglePoint, 4>& quad);

// Called after every output row, so the caller can let user-interface events through.
using RowCallback = std::function<void()>;

// The angle of the vector (dx, dy) in radians, in (-pi, pi], with pi taken as 3.14159265.
float GetAngle(float dy, float dx);

// Re-projects SrcQuad of SrcBits onto the target rectangle of a fresh, white DstBits,
// writing control.GenProgress after every row (from control.GenProgressBase up by 50) and polling
// control.GenStop after every sample. Returns true when it ran to its end and drew DstBits into
// target (ShowBitmap); false when stopped, leaving DstBits partly written and target as it was.
bool TransBitmap(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow);

// Draws the whole of DstBits 1:1 into the top-left corner of target.
void ShowBitmap(const PixelBuffer& DstBits, QImage& target);

} // namespace quorvane
