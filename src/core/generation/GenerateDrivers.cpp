#include "core/generation/GenerateDrivers.h"

#include <QPainter>

#include "core/generation/AreaAverage.h"
#include "core/generation/SheetGeometry.h"

namespace quorvane {

namespace {

// Reduces the pass result into its place of the page.
void PlacePass(const QImage& result, const QRect& place, QImage& page)
{
    const QImage reduced = AreaAverageScale(result, place.size());
    if (reduced.isNull())
        return;
    QPainter painter(&page);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(place.topLeft(), reduced);
}

GenerateResult RunDriver(const DriverLayout& layout, DocumentState& doc, const RowCallback& afterRow)
{
    doc.GenStop = false;
    const auto geometry = ComputeSheetGeometry(layout, doc.CanvasOutline);
    if (!geometry)
        return {GenerateStatus::DibError, {}};
    auto gen = PrepareTransform(ComposeCanvas(doc, *geometry), *geometry);
    QImage target(gen ? gen->BitsWidth : 0, gen ? gen->BitsHeight : 0, QImage::Format_RGB32);
    if (!gen || target.isNull())
        return {GenerateStatus::DibError, {}};
    target.fill(Qt::white);

    QImage page;
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(*gen, pass, *geometry);
        doc.GenProgressBase = pass.GenProgressBase;
        TransBitmap(*gen, doc, target, afterRow);
        if (page.isNull()) {
            page = QImage(layout.pageSize, QImage::Format_RGB32);
            page.fill(Qt::white);
        }
        PlacePass(target, pass.place, page);
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
