#pragma once

#include "core/shell/Document.h"

namespace quorvane {

// The document's paper outline fitted into the canvas of the window showing it.
struct CanvasPaper {
    Outline CanvasOutline{}; // PaperPoint fitted into the canvas
    Quad CanvasQuadA{};      // CanvasOutline corners 0, 1, 2, 5: the standing sheet
    Quad CanvasQuadB{};      // CanvasOutline corners 5, 2, 3, 4: the lying sheet
};

// Length of the paper's horizontal reference edge in a fitted outline, by layout; 0 for a
// layout that selects nothing.
double ReferenceLength(const Outline& outline, PaperLayout layout);

// The picture's rectangle on this canvas: the document's rectangle moved and scaled with the
// reference edge about corner 0, from the fit it was measured in to this one. Exactly the
// document's rectangle when the two fits are the same, or the old one has no reference edge.
Placement PlacementOnCanvas(const Document& doc, const CanvasPaper& paper);

// Puts the picture at this rectangle of this canvas.
void SetPlacement(Document& doc, const CanvasPaper& paper, const Placement& onCanvas);

} // namespace quorvane
