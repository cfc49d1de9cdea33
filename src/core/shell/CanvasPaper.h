#pragma once

#include "core/shell/Document.h"

namespace quorvane {

// The document's paper outline fitted into the canvas of the window showing it.
struct CanvasPaper {
    Outline CanvasOutline{}; // PaperPoint fitted into the canvas
    Quad CanvasQuadA{};      // CanvasOutline corners 0, 1, 2, 5: the standing sheet
    Quad CanvasQuadB{};      // CanvasOutline corners 5, 2, 3, 4: the lying sheet
};

} // namespace quorvane
