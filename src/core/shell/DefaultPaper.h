#pragma once

#include "core/shell/Document.h"

namespace quorvane {

// The L-folded paper seen from the front and above, used until the designer's first OK.
inline constexpr Outline kDefaultPaperPoint{{
    {0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}};

// Stores the default paper into PaperPoint, PaperWidth and PaperHeight.
void SetDefaultPaper(Document& doc);

// Sets PaperPoint to the given corners and PaperWidth, PaperHeight to their extents.
void SetPaper(Document& doc, const Outline& corners);

} // namespace quorvane
