#include "core/generation/GenerateDrivers.h"

#include "core/generation/AreaAverage.h"
#include "core/generation/LargeAllocation.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapExact.h"

namespace quorvane {

namespace {

GenerateResult RunDriver(const DriverLayout& layout, const Document& doc, const CanvasPaper& paper,
                         GenControl& control, const RowCallback& afterRow)
{
    control.GenStop = false;
    const auto geometry = ComputeSheetGeometry(layout, paper.CanvasOutline);
    if (!geometry)
        return {GenerateStatus::DibError, {}};
    auto gen = PrepareTransform(ComposeCanvas(doc.PictureImage, PlacementOnCanvas(doc, paper), *geometry), *geometry);
    if (!gen)
        return {GenerateStatus::DibError, {}};

    QImage page;
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(*gen, pass, *geometry);
        control.GenProgressBase = pass.GenProgressBase;
        ReprojectPass(*gen, control, afterRow, doc.Mapping);
        if (page.isNull()) {
            page = LargeImage(layout.pageSize, QImage::Format_RGB32);
            if (page.isNull())
                return {GenerateStatus::DibError, {}};
            page.fill(Qt::white);
        }
        // The pass result, reduced into its place; a stopped run shows no page.
        if (!control.GenStop)
            AreaAverageInto(gen->DstBits, page, pass.place);
    }
    if (control.GenStop)
        return {GenerateStatus::Stopped, {}};
    return {GenerateStatus::Done, page};
}

} // namespace

GenerateResult GenerateBothSheets(const Document& doc, const CanvasPaper& paper, GenControl& control,
                                  const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::LFold), doc, paper, control, afterRow);
}

GenerateResult GenerateSheetB(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::Flat), doc, paper, control, afterRow);
}

GenerateResult GenerateSheetA(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::Upright), doc, paper, control, afterRow);
}

std::optional<GenerateResult> GenerateForPageStyle(const Document& doc, const CanvasPaper& paper,
                                                   GenControl& control, const RowCallback& afterRow)
{
    const DriverLayout* layout = DriverLayoutOf(LayoutOf(doc.PageStyle));
    if (!layout)
        return std::nullopt;
    return RunDriver(*layout, doc, paper, control, afterRow);
}

} // namespace quorvane
