#include "core/generation/GenerateDrivers.h"

#include "core/generation/AreaAverage.h"
#include "core/generation/LargeAllocation.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapFast.h"

namespace quorvane {

namespace {

GenerateResult RunDriver(const DriverLayout& layout, DocumentState& doc, const RowCallback& afterRow)
{
    doc.GenStop = false;
    const auto geometry = ComputeSheetGeometry(layout, doc.CanvasOutline);
    if (!geometry)
        return {GenerateStatus::DibError, {}};
    auto gen = PrepareTransform(ComposeCanvas(doc, *geometry), *geometry);
    if (!gen)
        return {GenerateStatus::DibError, {}};

    QImage page;
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(*gen, pass, *geometry);
        doc.GenProgressBase = pass.GenProgressBase;
        TransBitmapFast(*gen, doc, afterRow);
        if (page.isNull()) {
            page = LargeImage(layout.pageSize, QImage::Format_RGB32);
            if (page.isNull())
                return {GenerateStatus::DibError, {}};
            page.fill(Qt::white);
        }
        // The pass result, reduced into its place; a stopped run shows no page.
        if (!doc.GenStop)
            AreaAverageInto(gen->DstBits, page, pass.place);
    }
    if (doc.GenStop)
        return {GenerateStatus::Stopped, {}};
    return {GenerateStatus::Done, page};
}

} // namespace

GenerateResult GenerateBothSheets(DocumentState& doc, const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::LFold), doc, afterRow);
}

GenerateResult GenerateSheetB(DocumentState& doc, const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::Flat), doc, afterRow);
}

GenerateResult GenerateSheetA(DocumentState& doc, const RowCallback& afterRow)
{
    return RunDriver(*DriverLayoutOf(PaperLayout::Upright), doc, afterRow);
}

std::optional<GenerateResult> GenerateForPageStyle(DocumentState& doc, const RowCallback& afterRow)
{
    const DriverLayout* layout = DriverLayoutOf(LayoutOf(doc.PageStyle));
    if (!layout)
        return std::nullopt;
    return RunDriver(*layout, doc, afterRow);
}

} // namespace quorvane
