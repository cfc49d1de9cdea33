#pragma once

// The exact re-projection engine: maps the target rectangle onto SrcQuad by the projective
// transform through the four corners, the way a camera sees a flat sheet, and blends each
// sample from its four nearest source pixels. It writes the same pixels of DstBits as the
// bilinear engines, each from the point of the sample that survives there, so the two
// mappings differ only in where a sample reads; a sample off the source is white. Progress
// and the callback come after every row as with TransBitmap; GenStop is read before the
// first row and after every callback.

#include <optional>

#include "core/generation/Homography.h"
#include "core/generation/RowHandOver.h"
#include "core/generation/SurvivorLanes.h"
#include "core/generation/TransBitmap.h"
#include "core/shell/SheetMapping.h"

namespace quorvane {

// The transform from the target rectangle onto SrcQuad; no value where there is none (see
// RectangleToQuad).
std::optional<Homography> TargetToQuad(const TransformState& gen);

// DstBits only; false when GenStop ended the call. Each row is handed to `finished` as soon
// as it is final, as TransBitmapFastRows does, so DstBits may be a row ring. Where no
// projective transform joins the target to SrcQuad, or the call is outside what the
// survivor plan covers, the fast bilinear engine serves instead. Every width gives the same
// bytes.
bool TransBitmapExact(TransformState& gen, GenControl& control, const RowCallback& afterRow,
                      const FinishedRows& finished = {}, LaneWidth width = LaneWidth::Widest);

// The same, drawing DstBits into target when it ran to its end.
bool TransBitmapExact(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow,
                      LaneWidth width = LaneWidth::Widest);

// One pass by the chosen mapping, as TransBitmapFastRows or TransBitmapExact.
bool ReprojectPass(TransformState& gen, GenControl& control, const RowCallback& afterRow, SheetMapping mapping,
                   const FinishedRows& finished = {});

} // namespace quorvane
