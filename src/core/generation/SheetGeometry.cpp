#include "core/generation/SheetGeometry.h"

#include <algorithm>

#include <QPainter>

#include "core/generation/LargeAllocation.h"
#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

constexpr int kBothSheetsPoints[] = {0, 1, 2, 3, 4, 5};
constexpr int kSheetBPoints[] = {2, 3, 4, 5};
constexpr int kSheetAPoints[] = {0, 1, 2, 5};

const SheetPass kBothSheetsPasses[] = {
    {{0, 1, 2, 5}, QRect(0, 0, 1190, 842), 0},
    {{5, 2, 3, 4}, QRect(0, 842, 1190, 842), 50},
};
const SheetPass kSheetBPasses[] = {{{5, 2, 3, 4}, QRect(0, 0, 1190, 1684), 50}};
const SheetPass kSheetAPasses[] = {{{0, 1, 2, 5}, QRect(0, 0, 1684, 1190), 50}};

const DriverLayout kBothSheets{kBothSheetsPoints, 1190, QSize(1190, 1684), kBothSheetsPasses};
const DriverLayout kSheetB{kSheetBPoints, 1190, QSize(1190, 1684), kSheetBPasses};
const DriverLayout kSheetA{kSheetAPoints, 1684, QSize(1684, 1190), kSheetAPasses};

int32_t ScaledCoordinate(int64_t value, int64_t origin, double scale)
{
    return RoundHalfEven(double(value - origin) * scale).value_or(0);
}

} // namespace

const DriverLayout* DriverLayoutOf(PaperLayout layout)
{
    switch (layout) {
    case PaperLayout::LFold:
        return &kBothSheets;
    case PaperLayout::Flat:
        return &kSheetB;
    case PaperLayout::Upright:
        return &kSheetA;
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
    SheetGeometry g;
    g.minX = minX;
    g.minY = minY;
    g.scale = double(layout.canvasWidth) / double(maxX - minX + 1);
    const auto height = RoundHalfEven(double(maxY - minY + 1) * g.scale);
    if (!height || *height <= 0 || !PixelBuffer::FitsLimit(2 * int64_t(layout.canvasWidth), 2 * int64_t(*height)))
        return std::nullopt;
    g.canvasSize = QSize(layout.canvasWidth, *height);
    g.BitsWidth = 2 * layout.canvasWidth;
    g.BitsHeight = 2 * *height;
    for (const int i : layout.pointsUsed) {
        const QPoint p = CanvasOutline[size_t(i)];
        g.QuadPoints[size_t(i)] = QPoint(ScaledCoordinate(p.x(), minX, g.scale),
                                         ScaledCoordinate(p.y(), minY, g.scale));
    }
    return g;
}

QImage ComposeCanvas(const QImage& picture, const Placement& place, const SheetGeometry& geometry)
{
    QImage canvas = LargeImage(geometry.canvasSize, QImage::Format_RGB32);
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::white);
    if (picture.isNull())
        return canvas;
    const auto at = [&geometry](float value, int64_t origin) {
        return static_cast<float>((double(value) - double(origin)) * geometry.scale);
    };
    const QRectF rect(at(place.SelX1, geometry.minX), at(place.SelY1, geometry.minY),
                      static_cast<float>(double(place.SelX2 - place.SelX1) * geometry.scale),
                      static_cast<float>(double(place.SelY2 - place.SelY1) * geometry.scale));
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, picture);
    return canvas;
}

std::optional<TransformState> PrepareTransform(const QImage& canvas, const SheetGeometry& geometry)
{
    TransformState gen;
    gen.SrcBits = PixelBuffer::FromImage(canvas, geometry.BitsWidth, geometry.BitsHeight);
    if (gen.SrcBits.IsEmpty())
        return std::nullopt;
    gen.BitsWidth = gen.SrcBits.Width();
    gen.BitsHeight = gen.SrcBits.Height();
    gen.DstX1 = 0.0f;
    gen.DstY1 = 0.0f;
    gen.DstX2 = static_cast<float>(gen.BitsWidth - 1);
    gen.DstY2 = static_cast<float>(gen.BitsHeight - 1);
    return gen;
}

void SetPassQuad(TransformState& gen, const SheetPass& pass, const SheetGeometry& geometry)
{
    for (size_t k = 0; k < gen.SrcQuad.size(); ++k) {
        const QPoint p = geometry.QuadPoints[size_t(pass.corners[k])];
        gen.SrcQuad[k] = {static_cast<float>(p.x()), static_cast<float>(p.y())};
    }
}

} // namespace quorvane
