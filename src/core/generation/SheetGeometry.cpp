#include "core/generation/SheetGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include <QPainter>

#include "core/generation/LargeAllocation.h"
#include "core/shell/Numeric.h"
#include "core/shell/PageResolution.h"

namespace quorvane {

namespace {

constexpr int kBothSheetsPoints[] = {0, 1, 2, 3, 4, 5};
constexpr int kSheetBPoints[] = {2, 3, 4, 5};
constexpr int kSheetAPoints[] = {0, 1, 2, 5};

// The canvas pixels at most. At the default resolution the canvas doubled fits in
// PixelBuffer::kMaxBytes (64 MB of canvas); the finer pages allow twice that, which keeps a
// whole run at the finest, its 139 MB page included, under 400 MB.
constexpr int64_t MaxCanvasPixels(int32_t PageDpi)
{
    return PageDpi == kDefaultPageDpi ? PixelBuffer::kMaxBytes / 16 : PixelBuffer::kMaxBytes / 8;
}

// The three drivers for one page size: the standing sheet above the lying one on the
// upright page, either sheet alone on a whole page (the standing one's on its side).
struct ResolutionLayouts {
    ResolutionLayouts(QSize page, int64_t maxCanvasPixels)
        : bothPasses{{{{0, 1, 2, 5}, QRect(0, 0, page.width(), page.height() / 2), 0},
                      {{5, 2, 3, 4}, QRect(0, page.height() / 2, page.width(), page.height() / 2), 50}}}
        , sheetBPasses{{{{5, 2, 3, 4}, QRect(QPoint(0, 0), page), 50}}}
        , sheetAPasses{{{{0, 1, 2, 5}, QRect(QPoint(0, 0), page.transposed()), 50}}}
        , both{kBothSheetsPoints, page.width(), page, bothPasses, maxCanvasPixels}
        , sheetB{kSheetBPoints, page.width(), page, sheetBPasses, maxCanvasPixels}
        , sheetA{kSheetAPoints, page.height(), page.transposed(), sheetAPasses, maxCanvasPixels}
    {
    }
    ResolutionLayouts(const ResolutionLayouts&) = delete; // the layouts point into the passes

    std::array<SheetPass, 2> bothPasses;
    std::array<SheetPass, 1> sheetBPasses;
    std::array<SheetPass, 1> sheetAPasses;
    DriverLayout both;
    DriverLayout sheetB;
    DriverLayout sheetA;
};

// The drivers for the paper's page at a resolution, made at their first use and kept for
// the run. They lay out the upright page: the assembled one for a grid of sheets.
const ResolutionLayouts* LayoutsAt(const Paper& paper, int32_t PageDpi)
{
    const std::optional<QSize> laidOut = paper.PageSize(PageDpi);
    if (!laidOut)
        return nullptr;
    const QSize page = paper.Layout == PaperLayout::Upright ? laidOut->transposed() : *laidOut;
    static std::mutex mutex;
    static std::map<std::tuple<int, int, int32_t>, std::unique_ptr<const ResolutionLayouts>> made;
    const std::lock_guard lock(mutex);
    std::unique_ptr<const ResolutionLayouts>& layouts = made[{page.width(), page.height(), PageDpi}];
    if (!layouts)
        layouts = std::make_unique<const ResolutionLayouts>(page, MaxCanvasPixels(PageDpi));
    return layouts.get();
}

int32_t ScaledCoordinate(int64_t value, int64_t origin, double scale)
{
    return RoundHalfEven(double(value - origin) * scale).value_or(0);
}

// A canvas this narrow is no longer worth making: the outline is not one the designer gives.
constexpr int32_t kMinCanvasWidth = 32;
// The canvas rows at most: the generation keeps a few numbers per row of the doubled buffer.
constexpr int64_t kMaxCanvasRows = int64_t(1) << 17;

// The canvas height at canvas width C; no value when it has no rows.
std::optional<int32_t> CanvasHeight(int64_t boxWidth, int64_t boxHeight, int32_t C)
{
    const auto height = RoundHalfEven(double(boxHeight) * (double(C) / double(boxWidth)));
    if (!height || *height <= 0)
        return std::nullopt;
    return height;
}

bool CanvasFits(int32_t C, int32_t height, int64_t maxPixels)
{
    return height <= kMaxCanvasRows && int64_t(C) * height <= maxPixels;
}

// The layout's canvas width where its doubled buffer fits; for an outline so tall that it
// would not, the widest narrower canvas that fits (the same page, composed more coarsely).
std::optional<int32_t> CanvasWidth(int32_t C, int64_t boxWidth, int64_t boxHeight, int64_t maxPixels)
{
    const auto height = CanvasHeight(boxWidth, boxHeight, C);
    if (!height)
        return std::nullopt;
    if (CanvasFits(C, *height, maxPixels))
        return C;
    // Pixels grow with the square of the width, rows with the width: start below both bounds.
    const double pixelShare = std::sqrt(double(maxPixels) / (double(C) * double(*height)));
    const double rowShare = double(kMaxCanvasRows) / double(*height);
    for (int32_t narrower = int32_t(double(C) * std::min(pixelShare, rowShare)); narrower >= kMinCanvasWidth; --narrower) {
        const auto fewer = CanvasHeight(boxWidth, boxHeight, narrower);
        if (fewer && CanvasFits(narrower, *fewer, maxPixels))
            return narrower;
    }
    return std::nullopt;
}

} // namespace

const DriverLayout* DriverLayoutOf(const Paper& paper, int32_t PageDpi)
{
    const ResolutionLayouts* layouts = LayoutsAt(paper, PageDpi);
    if (!layouts)
        return nullptr;
    switch (paper.Layout) {
    case PaperLayout::LFold:
        return &layouts->both;
    case PaperLayout::Flat:
        return &layouts->sheetB;
    case PaperLayout::Upright:
        return &layouts->sheetA;
    case PaperLayout::None:
        break;
    }
    return nullptr;
}

std::optional<SheetGeometry> ComputeSheetGeometry(const DriverLayout& layout, const Outline& CanvasOutline)
{
    const QPoint first = CanvasOutline[size_t(layout.pointsUsed.front())];
    int64_t minX = first.x(), maxX = first.x(), minY = first.y(), maxY = first.y();
    for (const int i : layout.pointsUsed) {
        minX = std::min<int64_t>(minX, CanvasOutline[size_t(i)].x());
        maxX = std::max<int64_t>(maxX, CanvasOutline[size_t(i)].x());
        minY = std::min<int64_t>(minY, CanvasOutline[size_t(i)].y());
        maxY = std::max<int64_t>(maxY, CanvasOutline[size_t(i)].y());
    }
    const auto C = CanvasWidth(layout.canvasWidth, maxX - minX + 1, maxY - minY + 1, layout.maxCanvasPixels);
    if (!C)
        return std::nullopt;
    SheetGeometry g;
    g.minX = minX;
    g.minY = minY;
    g.scale = double(*C) / double(maxX - minX + 1);
    const auto height = RoundHalfEven(double(maxY - minY + 1) * g.scale);
    if (!height || *height <= 0 || !CanvasFits(*C, *height, layout.maxCanvasPixels))
        return std::nullopt;
    g.canvasSize = QSize(*C, *height);
    g.BitsWidth = 2 * *C;
    g.BitsHeight = 2 * *height;
    for (const int i : layout.pointsUsed) {
        const QPoint p = CanvasOutline[size_t(i)];
        g.QuadPoints[size_t(i)] = QPoint(ScaledCoordinate(p.x(), minX, g.scale),
                                         ScaledCoordinate(p.y(), minY, g.scale));
    }
    return g;
}

namespace {

// The picture drawn smoothly at its placement on a white canvas of the geometry's size.
void DrawPicture(const QImage& picture, const Placement& place, const SheetGeometry& geometry, QImage& canvas)
{
    FillWhite(canvas);
    if (picture.isNull())
        return;
    const auto at = [&geometry](float value, int64_t origin) {
        return static_cast<float>((double(value) - double(origin)) * geometry.scale);
    };
    const QRectF rect(at(place.SelX1, geometry.minX), at(place.SelY1, geometry.minY),
                      static_cast<float>(double(place.SelX2 - place.SelX1) * geometry.scale),
                      static_cast<float>(double(place.SelY2 - place.SelY1) * geometry.scale));
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, picture);
}

// The transform over a doubled source whose canvas `fill` draws (top-down, RGB32).
std::optional<TransformState> DoubledSource(const SheetGeometry& geometry, const std::function<bool(QImage&)>& fill)
{
    TransformState gen;
    gen.SrcBits = PixelBuffer::WithWhiteSurround(geometry.BitsWidth, geometry.BitsHeight,
                                                 geometry.canvasSize.width(), geometry.canvasSize.height());
    QImage canvas = gen.SrcBits.BlockImage();
    if (canvas.size() != geometry.canvasSize || !fill(canvas))
        return std::nullopt;
    gen.SrcBits.FlipBlock();
    gen.BitsWidth = gen.SrcBits.Width();
    gen.BitsHeight = gen.SrcBits.Height();
    gen.DstX1 = 0.0f;
    gen.DstY1 = 0.0f;
    gen.DstX2 = static_cast<float>(gen.BitsWidth - 1);
    gen.DstY2 = static_cast<float>(gen.BitsHeight - 1);
    return gen;
}

} // namespace

QImage ComposeCanvas(const QImage& picture, const Placement& place, const SheetGeometry& geometry)
{
    QImage canvas = LargeImage(geometry.canvasSize, QImage::Format_RGB32);
    if (!canvas.isNull())
        DrawPicture(picture, place, geometry, canvas);
    return canvas;
}

std::optional<TransformState> PrepareTransform(const QImage& canvas, const SheetGeometry& geometry)
{
    if (canvas.size() != geometry.canvasSize)
        return std::nullopt;
    const QImage opaque = canvas.convertToFormat(QImage::Format_RGB32);
    return DoubledSource(geometry, [&opaque](QImage& into) {
        for (int y = 0; y < into.height(); ++y)
            std::memcpy(into.scanLine(y), opaque.constScanLine(y), size_t(into.width()) * 4);
        return !opaque.isNull();
    });
}

std::optional<TransformState> ComposeTransform(const QImage& picture, const Placement& place,
                                              const SheetGeometry& geometry)
{
    return DoubledSource(geometry, [&](QImage& into) {
        DrawPicture(picture, place, geometry, into);
        return true;
    });
}

void SetPassQuad(TransformState& gen, const SheetPass& pass, const SheetGeometry& geometry)
{
    for (size_t k = 0; k < gen.SrcQuad.size(); ++k) {
        const QPoint p = geometry.QuadPoints[size_t(pass.corners[k])];
        gen.SrcQuad[k] = {static_cast<float>(p.x()), static_cast<float>(p.y())};
    }
}

} // namespace quorvane
