#include "core/output/SheetCut.h"

#include <algorithm>
#include <cstring>

#include "core/output/SheetMarks.h"

namespace quorvane {

namespace {

bool ReadDirectly(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB888;
}

bool RowHasContent(const uchar* row, int from, int count, QImage::Format format)
{
    if (format == QImage::Format_RGB888) {
        const uchar* p = row + 3 * from;
        return std::any_of(p, p + 3 * count, [](uchar byte) { return byte != 0xFF; });
    }
    const auto* p = reinterpret_cast<const QRgb*>(row) + from;
    const bool opaque = format == QImage::Format_RGB32;
    return std::any_of(p, p + count, [opaque](QRgb pixel) {
        if (!opaque && qAlpha(pixel) == 0)
            return false;
        return (pixel & 0x00FFFFFFu) != 0x00FFFFFFu;
    });
}

// The sheet's part of `band`, which holds its rows at the page's full width, with its marks.
QImage MarkedCopy(const QImage& band, const GridOnPage& grid, const GridSheet& sheet,
                  const std::optional<SheetMarking>& marking)
{
    QImage image = band.copy(QRect(sheet.OnPage.x(), 0, sheet.OnPage.width(), sheet.OnPage.height()));
    if (!image.isNull() && marking)
        DrawSheetMarks(image, grid, sheet, *marking);
    return image;
}

bool IsSheetBand(const QImage& band, const GridOnPage& grid)
{
    return !band.isNull() && band.height() == grid.sheet.height() && band.width() == grid.Assembled().width();
}

} // namespace

QString SheetLabel(const GridSheet& sheet)
{
    return QStringLiteral("C%1 R%2").arg(sheet.Column + 1).arg(sheet.Row + 1);
}

std::vector<GridSheet> SheetsOf(const GridOnPage& grid)
{
    std::vector<GridSheet> sheets;
    if (grid.Assembled().isEmpty())
        return sheets;
    for (int row = 0; row < grid.grid.Rows; ++row) {
        for (int column = 0; column < grid.grid.Columns; ++column)
            sheets.push_back({column, row, grid.SheetRect(column, row)});
    }
    return sheets;
}

bool HasContent(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty())
        return false;
    if (!ReadDirectly(image.format())) {
        return HasContent(image.copy(inside).convertToFormat(QImage::Format_RGB32),
                          QRect(QPoint(0, 0), inside.size()));
    }
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        if (RowHasContent(image.constScanLine(y), inside.x(), inside.width(), image.format()))
            return true;
    }
    return false;
}

PageBand BandsOf(const QImage& page)
{
    return [page](int top, int height) -> QImage {
        if (page.isNull() || top < 0 || height <= 0 || top + height > page.height())
            return {};
        QImage band;
        if (ReadDirectly(page.format())) {
            // Shares the page's rows: an image over const data never writes to them.
            band = QImage(page.constScanLine(top), page.width(), height, page.bytesPerLine(), page.format());
        } else {
            band = page.copy(0, top, page.width(), height).convertToFormat(QImage::Format_RGB32);
        }
        band.setDotsPerMeterX(page.dotsPerMeterX());
        band.setDotsPerMeterY(page.dotsPerMeterY());
        return band;
    };
}

SheetMarking MarkingOf(const Paper& paper, int32_t PageDpi)
{
    SheetMarking marking;
    marking.PageDpi = PageDpi;
    const std::optional<QSize> page = paper.PageSize(PageDpi);
    if (page && paper.Layout == PaperLayout::LFold)
        marking.FoldRow = page->height() / 2; // where the page's two halves meet
    return marking;
}

QImage CutSheet(const PageBand& page, const GridOnPage& grid, const GridSheet& sheet,
                const std::optional<SheetMarking>& marking)
{
    const QImage band = page ? page(sheet.OnPage.y(), grid.sheet.height()) : QImage();
    return IsSheetBand(band, grid) ? MarkedCopy(band, grid, sheet, marking) : QImage();
}

SheetCutReport CutIntoSheets(const PageBand& page, const GridOnPage& grid, const std::optional<SheetMarking>& marking,
                             const SheetSink& sink)
{
    SheetCutReport report;
    const std::vector<GridSheet> sheets = SheetsOf(grid);
    if (sheets.empty() || !page || !sink)
        return report;
    for (int row = 0; row < grid.grid.Rows; ++row) {
        const int top = grid.SheetRect(0, row).y();
        const QImage band = page(top, grid.sheet.height());
        if (!IsSheetBand(band, grid))
            return report;
        for (int column = 0; column < grid.grid.Columns; ++column) {
            const GridSheet& sheet = sheets[size_t(row * grid.grid.Columns + column)];
            const QRect inBand = sheet.OnPage.translated(0, -top);
            if (!HasContent(band, inBand)) {
                report.skipped.push_back(sheet);
                continue;
            }
            const QImage image = MarkedCopy(band, grid, sheet, marking);
            if (image.isNull() || !sink(sheet, image))
                return report;
            report.printed.push_back(sheet);
        }
    }
    report.complete = true;
    return report;
}

} // namespace quorvane
