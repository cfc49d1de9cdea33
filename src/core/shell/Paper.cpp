#include "core/shell/Paper.h"

#include <array>
#include <iterator>

#include "core/shell/PageResolution.h"

namespace quorvane {

namespace {

struct FormatEntry {
    PaperFormat format;
    QPageSize::PageSizeId printSize;
    QSizeF sizeMm;       // upright
    double sceneWidth;   // the short side in the designer's scene
    double sceneLength;  // the long side there
    std::array<QSize, std::size(kPageDpis)> pages; // upright, at each of kPageDpis
};

// A4's page is its size rounded to whole pixels, except that the 144 dpi page has always been
// 1190 pixels wide (210 mm is 1190.55 there).
const FormatEntry kFormats[] = {
    {PaperFormat::A4, QPageSize::A4, QSizeF(210.0, 297.0), 29.75, 42.1,
     {QSize(1190, 1684), QSize(2480, 3508), QSize(4961, 7016)}},
};

// The designer's eye aims at this share of the standing sheet's height.
constexpr double kAimShare = 0.43;

const FormatEntry& EntryOf(PaperFormat format)
{
    for (const FormatEntry& entry : kFormats) {
        if (entry.format == format)
            return entry;
    }
    return kFormats[0];
}

std::optional<size_t> DpiIndex(int32_t PageDpi)
{
    for (size_t i = 0; i < std::size(kPageDpis); ++i) {
        if (kPageDpis[i] == PageDpi)
            return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<QSize> Paper::PortraitPageSize(int32_t PageDpi) const
{
    const std::optional<size_t> index = DpiIndex(PageDpi);
    if (!index)
        return std::nullopt;
    return EntryOf(Format).pages[*index];
}

std::optional<QSize> Paper::PageSize(int32_t PageDpi) const
{
    const std::optional<QSize> upright = PortraitPageSize(PageDpi);
    if (!upright || Layout == PaperLayout::None)
        return std::nullopt;
    return Layout == PaperLayout::Upright ? upright->transposed() : *upright;
}

QSizeF Paper::PageSizeMm() const
{
    const QSizeF upright = EntryOf(Format).sizeMm;
    return Layout == PaperLayout::Upright ? upright.transposed() : upright;
}

QPageSize Paper::PrintPageSize() const
{
    return QPageSize(EntryOf(Format).printSize);
}

SheetSize Paper::SceneSize() const
{
    const FormatEntry& entry = EntryOf(Format);
    switch (Layout) {
    case PaperLayout::LFold:
        return {entry.sceneWidth, entry.sceneLength / 2.0, entry.sceneLength / 2.0};
    case PaperLayout::Flat:
        return {entry.sceneWidth, 0.0, entry.sceneLength};
    case PaperLayout::Upright:
        return {entry.sceneLength, entry.sceneWidth, 0.0};
    case PaperLayout::None:
        break;
    }
    return {};
}

double Paper::AimHeight() const
{
    return kAimShare * SceneSize().SheetHeight;
}

double Paper::PageStyle() const
{
    return PageStyleOf(Layout);
}

std::optional<Paper> PaperOfStyle(double PageStyle)
{
    const PaperLayout layout = LayoutOf(PageStyle);
    if (layout == PaperLayout::None)
        return std::nullopt;
    return Paper{PaperFormat::A4, layout};
}

} // namespace quorvane
