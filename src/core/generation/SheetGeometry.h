#pragma once

// What the three page drivers differ in, and the geometry one run derives from the
// paper outline on the canvas: the composition canvas cut to the outline's bounding box,
// its doubled buffer and the sheet corners in canvas-image pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/generation/TransBitmap.h"
#include "core/shell/Document.h"
#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"

namespace quorvane {

struct SheetPass {
    std::array<int, 4> corners; // outline points that become SrcQuad P1..P4
    QRect place;                // where the pass lands in the page
    int32_t GenProgressBase;
};

struct DriverLayout {
    std::span<const int> pointsUsed; // the first one starts the bounding box
    int32_t canvasWidth;             // C
    QSize pageSize;
    std::span<const SheetPass> passes;
    int64_t maxCanvasPixels; // the largest canvas composed, in pixels
};

// The driver of the paper's layout for a page made at PageDpi (the assembled page of a grid
// of sheets); no value for a layout that selects nothing or when the paper has no page there
// (Paper::PageSize).
const DriverLayout* DriverLayoutOf(const Paper& paper, int32_t PageDpi = kDefaultPageDpi);

struct SheetGeometry {
    int64_t minX = 0;
    int64_t minY = 0;
    double scale = 0.0;     // C / bounding-box width
    QSize canvasSize;       // C x (bounding-box height * scale)
    int32_t BitsWidth = 0;  // twice the canvas
    int32_t BitsHeight = 0;
    Outline QuadPoints{};   // only the points used are filled
};

// The canvas is the layout's width; for an outline so tall that the canvas would exceed the
// layout's pixels or rows, as wide as lets it fit (a narrower canvas, the same page). No value when the canvas
// would be empty or narrower than a few dozen pixels.
std::optional<SheetGeometry> ComputeSheetGeometry(const DriverLayout& layout, const Outline& CanvasOutline);

// The white composition canvas with the picture drawn smoothly at its placement
// (transparency blended over white). Null when it cannot be made.
QImage ComposeCanvas(const QImage& picture, const Placement& place, const SheetGeometry& geometry);

// The doubled source: the canvas unscaled in the top-left quarter of a white buffer, of
// which only the canvas is stored (PixelBuffer::WithWhiteSurround), and the target
// rectangle set to the whole buffer. No value when the buffer cannot be made or the canvas
// is not the geometry's size.
std::optional<TransformState> PrepareTransform(const QImage& canvas, const SheetGeometry& geometry);

// The same, with the canvas composed (ComposeCanvas) straight into the source buffer.
std::optional<TransformState> ComposeTransform(const QImage& picture, const Placement& place,
                                              const SheetGeometry& geometry);

// SrcQuad for one pass: the pass's QuadPoints, as floats.
void SetPassQuad(TransformState& gen, const SheetPass& pass, const SheetGeometry& geometry);

} // namespace quorvane
