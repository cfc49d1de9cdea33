#include "core/generation/GenerateDrivers.h"

#include <algorithm>
#include <iterator>

#include "core/generation/AreaAverage.h"
#include "core/generation/LargeAllocation.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapExact.h"

namespace quorvane {

namespace {

// One pass, each row reduced into the page as soon as it is final, so that only a few rows
// of the doubled buffer are ever held. Stopped when GenStop ended it.
// `rowsFinal` hears of the pass's rows as they are written, counted from the page's top.
GenerateStatus RunPass(TransformState& gen, GenControl& control, const SheetPass& pass, SheetMapping mapping,
                       QImage& page, const RowCallback& afterRow, const PageRowsFinal& rowsFinal)
{
    control.GenProgressBase = pass.GenProgressBase;
    gen.DstBits = PixelBuffer::RowRing(gen.BitsWidth, gen.BitsHeight, kHandOverRingRows);
    if (gen.DstBits.IsEmpty())
        return GenerateStatus::NoMemory;
    const QRect place = pass.place;
    uchar* const bits = page.bits(); // the threads write their columns through one pointer
    const qsizetype stride = page.bytesPerLine();
    LineReducer reducer(QSize(gen.BitsWidth, gen.BitsHeight), place.size(), [bits, stride, place](int y) {
        return reinterpret_cast<QRgb*>(bits + (place.y() + y) * stride) + place.x();
    });
    const bool finished =
        ReprojectPass(gen, control, afterRow, mapping, [&](std::span<const uint8_t* const> rows) {
            reducer.Push(rows);
            if (rowsFinal)
                rowsFinal(page, place.y() + reducer.RowsWritten());
        });
    return finished ? GenerateStatus::Done : GenerateStatus::Stopped;
}

// Whether the passes fill the page from the top down, each right below the one before, so
// that the rows above the running pass are final. (A row below the last pass, as an odd
// page height leaves, is never written: it is final as the page's white.)
bool PassesGoDown(const DriverLayout& layout)
{
    int32_t top = 0;
    for (const SheetPass& pass : layout.passes) {
        if (pass.place.y() != top || pass.place.x() != 0 || pass.place.width() != layout.pageSize.width())
            return false;
        top = pass.place.y() + pass.place.height();
    }
    return top <= layout.pageSize.height();
}

GenerateResult RunDriver(const DriverLayout* found, const Document& doc, const CanvasPaper& paper,
                         GenControl& control, const RowCallback& afterRow, const PageRowsFinal& rowsFinal = {})
{
    control.GenStop = false;
    if (!found)
        return {GenerateStatus::DibError, {}}; // a resolution the drivers do not make
    const DriverLayout& layout = *found;
    const auto geometry = ComputeSheetGeometry(layout, paper.CanvasOutline);
    if (!geometry)
        return {GenerateStatus::DibError, {}};
    auto gen = ComposeTransform(doc.PictureImage, PlacementOnCanvas(doc, paper), *geometry);
    QImage page = gen ? LargeImage(layout.pageSize, QImage::Format_RGB32) : QImage();
    if (page.isNull())
        return {GenerateStatus::NoMemory, {}};
    FillWhite(page);
    // The page carries its resolution, so a writer recording it need not copy the pixels.
    page.setDotsPerMeterX(DotsPerMeter(doc.PageDpi));
    page.setDotsPerMeterY(DotsPerMeter(doc.PageDpi));
    const PageRowsFinal& rowsOfPasses = PassesGoDown(layout) ? rowsFinal : PageRowsFinal{};
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(*gen, pass, *geometry);
        const GenerateStatus status = RunPass(*gen, control, pass, doc.Mapping, page, afterRow, rowsOfPasses);
        if (status != GenerateStatus::Done)
            return {status, {}}; // a stopped run shows no page
    }
    if (rowsFinal)
        rowsFinal(page, page.height());
    return {GenerateStatus::Done, page};
}

} // namespace

GenerateResult GenerateBothSheets(const Document& doc, const CanvasPaper& paper, GenControl& control,
                                  const RowCallback& afterRow)
{
    return RunDriver(DriverLayoutOf({doc.Paper.Format, PaperLayout::LFold, doc.Paper.Grid}, doc.PageDpi), doc, paper, control, afterRow);
}

GenerateResult GenerateSheetB(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow)
{
    return RunDriver(DriverLayoutOf({doc.Paper.Format, PaperLayout::Flat, doc.Paper.Grid}, doc.PageDpi), doc, paper, control, afterRow);
}

GenerateResult GenerateSheetA(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow)
{
    return RunDriver(DriverLayoutOf({doc.Paper.Format, PaperLayout::Upright, doc.Paper.Grid}, doc.PageDpi), doc, paper, control, afterRow);
}

std::optional<GenerateResult> GenerateForPageStyle(const Document& doc, const CanvasPaper& paper,
                                                   GenControl& control, const RowCallback& afterRow,
                                                   const PageRowsFinal& rowsFinal)
{
    if (doc.Paper.Layout == PaperLayout::None)
        return std::nullopt;
    const bool knownDpi = std::ranges::find(kPageDpis, doc.PageDpi) != std::end(kPageDpis);
    if (knownDpi && !FitOfPage(doc.Paper, doc.PageDpi).fits)
        return GenerateResult{GenerateStatus::TooLarge, {}};
    return RunDriver(DriverLayoutOf(doc.Paper, doc.PageDpi), doc, paper, control, afterRow, rowsFinal);
}

} // namespace quorvane
