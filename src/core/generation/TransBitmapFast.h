#pragma once

// The fast re-projection engine: the same bytes in DstBits and the target, the same
// progress after every row and the same result for a stop as TransBitmap, computing only
// the samples whose colour survives. Calls it does not cover go to TransBitmap.
//
// GenStop is read before the first row and after every row's callback, where the only
// code that can set it runs; a stop ends the call with what the reference engine leaves
// at that point. The callback sees GenProgress as the reference engine has it; DstBits may
// then already hold rows ahead of the one reported.

#include <cstdint>
#include <functional>

#include <QImage>

#include "core/generation/GenControl.h"
#include "core/generation/RowHandOver.h"
#include "core/generation/SurvivorLanes.h"
#include "core/generation/TransBitmap.h"

namespace quorvane {

bool TransBitmapFast(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow);

// The same at a chosen vector width; every width gives the same bytes.
bool TransBitmapFast(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow,
                     LaneWidth lanes);

// The same, leaving the result in DstBits without drawing it anywhere.
bool TransBitmapFast(TransformState& gen, GenControl& control, const RowCallback& afterRow);

// The same run handing each row over as soon as it is final, so DstBits may be a row ring
// (PixelBuffer::RowRing). False when GenStop ended the call; the rows handed over until then
// are final. Calls the fast engine does not cover run the reference engine on a whole
// DstBits and hand its rows over at the end.
bool TransBitmapFastRows(TransformState& gen, GenControl& control, const RowCallback& afterRow,
                         const FinishedRows& finished);

} // namespace quorvane
