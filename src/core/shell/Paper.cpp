#include "core/shell/Paper.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/designer/DesignerCamera.h"
#include "core/designer/PieceCamera.h"
#include "core/designer/ProjectedOutline.h"
#include "core/shell/Numeric.h"
#include "core/shell/PageResolution.h"

namespace quorvane {

namespace {

struct FormatEntry {
    PaperFormat format;
    const char* name;
    const char* title;
    QPageSize::PageSizeId printSize;
    QSizeF sizeMm;       // upright
    double sceneWidth;   // the short side in the designer's scene
    double sceneLength;  // the long side there
    std::array<QSize, std::size(kPageDpis)> pages; // upright, at each of kPageDpis
    Outline startOutline; // the designer's capture of the L-folded paper at the default camera in a 974 x 838 view
};

// A scene unit is the same length of printed paper in every format: A4's 210 mm short side
// is 29.75 scene units.
constexpr double kSceneUnitsPerMm = 29.75 / 210.0;

// The pages are the format rounded to whole pixels, except that A4's 144 dpi page has always
// been 1190 pixels wide (210 mm is 1190.55 there); the scenes are the format at the scene's
// scale, except that A4's long side has always been 42.1 (for 297 mm, 42.075).
const FormatEntry kFormats[] = {
    {PaperFormat::A4, "a4", "A4", QPageSize::A4, QSizeF(210.0, 297.0), 29.75, 42.1,
     {QSize(1190, 1684), QSize(2480, 3508), QSize(4961, 7016)},
     {{{0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}}},
    {PaperFormat::Letter, "letter", "US Letter", QPageSize::Letter, QSizeF(215.9, 279.4),
     215.9 * kSceneUnitsPerMm, 279.4 * kSceneUnitsPerMm,
     {QSize(1224, 1584), QSize(2550, 3300), QSize(5100, 6600)},
     {{{0, 98}, {494, 0}, {488, 320}, {689, 450}, {189, 593}, {16, 440}}}},
    {PaperFormat::A3, "a3", "A3", QPageSize::A3, QSizeF(297.0, 420.0),
     297.0 * kSceneUnitsPerMm, 420.0 * kSceneUnitsPerMm,
     {QSize(1684, 2381), QSize(3508, 4961), QSize(7016, 9921)},
     {{{0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}}},
};

constexpr PaperFormat kFormatList[] = {PaperFormat::A4, PaperFormat::Letter, PaperFormat::A3};

// The designer's eye aims at this share of the standing sheet's height.
constexpr double kAimShare = 0.43;

// The view the built-in outlines were captured in.
constexpr QSize kDefaultOutlineView(974, 838);

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

// The format's upright width over A4's.
double FormatOverA4(PaperFormat format)
{
    return EntryOf(format).sizeMm.width() / kFormats[0].sizeMm.width();
}

// How much farther than A4's the paper's camera stands: the format's share, times as many
// sheets as the assembled paper is wide.
double WidthOverA4(const Paper& paper)
{
    return FormatOverA4(paper.Format) * (paper.PageSizeMm().width() / paper.SheetSizeMm().width());
}

} // namespace

std::span<const PaperFormat> PaperFormats()
{
    return kFormatList;
}

QString FormatName(PaperFormat format)
{
    return QString::fromLatin1(EntryOf(format).name);
}

QString FormatTitle(PaperFormat format)
{
    return QString::fromLatin1(EntryOf(format).title);
}

std::optional<PaperFormat> FormatOfName(QStringView name)
{
    for (const FormatEntry& entry : kFormats) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.format;
    }
    return std::nullopt;
}

double CmPerSceneUnit()
{
    return 0.1 / kSceneUnitsPerMm;
}

std::optional<QSize> Paper::PortraitPageSize(int32_t PageDpi) const
{
    const std::optional<size_t> index = DpiIndex(PageDpi);
    if (!index)
        return std::nullopt;
    return EntryOf(Format).pages[*index];
}

std::optional<QSize> Paper::SheetPageSize(int32_t PageDpi) const
{
    const std::optional<QSize> upright = PortraitPageSize(PageDpi);
    if (!upright || Layout == PaperLayout::None)
        return std::nullopt;
    return Layout == PaperLayout::Upright ? upright->transposed() : *upright;
}

std::optional<GridOnPage> Paper::GridAt(int32_t PageDpi) const
{
    const std::optional<QSize> sheet = SheetPageSize(PageDpi);
    if (!sheet || !Grid.IsValid())
        return std::nullopt;
    const GridOnPage grid{Grid, *sheet, Grid.IsSingle() ? 0 : GluePixels(Grid.GlueMm, PageDpi)};
    const QSize page = grid.Assembled();
    if (page.isEmpty() || std::max(page.width(), page.height()) > kMaxPageSide)
        return std::nullopt;
    return grid;
}

std::optional<QSize> Paper::PageSize(int32_t PageDpi) const
{
    const std::optional<GridOnPage> grid = GridAt(PageDpi);
    if (!grid)
        return std::nullopt;
    return grid->Assembled();
}

QSizeF Paper::SheetSizeMm() const
{
    const QSizeF upright = EntryOf(Format).sizeMm;
    return Layout == PaperLayout::Upright ? upright.transposed() : upright;
}

QSizeF Paper::PageSizeMm() const
{
    return Grid.Clamped().AssembledMm(SheetSizeMm());
}

QPageSize Paper::PrintPageSize() const
{
    return QPageSize(EntryOf(Format).printSize);
}

SheetSize Paper::SceneSize() const
{
    const FormatEntry& entry = EntryOf(Format);
    // How much larger than one sheet the assembled paper is, across and down the page.
    const QSizeF sheet = SheetSizeMm();
    const QSizeF page = PageSizeMm();
    const double across = page.width() / sheet.width();
    const double down = page.height() / sheet.height();
    switch (Layout) {
    case PaperLayout::LFold:
        return {entry.sceneWidth * across, entry.sceneLength * down / 2.0, entry.sceneLength * down / 2.0};
    case PaperLayout::Flat:
        return {entry.sceneWidth * across, 0.0, entry.sceneLength * down};
    case PaperLayout::Upright:
        return {entry.sceneLength * across, entry.sceneWidth * down, 0.0};
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

// A grid's camera is A4's scaled with the assembled width. A paper much taller than wide is
// not seen whole that way, so then it is scaled with the height; and where the eye had to
// come nearer than that, the field of view opens until the whole paper is in view.
CameraValues Paper::DefaultCamera() const
{
    const CameraValues byWidth = CameraOnPaper(CameraValues{}, Paper{kFormats[0].format, Layout}, *this);
    const auto seen = [this](const CameraValues& camera) {
        return ProjectedOutline(*this, camera, kDefaultOutlineView).outline.has_value();
    };
    if (Grid.IsSingle() || seen(byWidth))
        return byWidth;
    const QSizeF sheet = SheetSizeMm();
    const QSizeF page = PageSizeMm();
    const double most = std::max(page.width() / sheet.width(), page.height() / sheet.height());
    CameraValues camera = CameraForPiece(CameraValues{}, FormatOverA4(Format) * most);
    while (!seen(camera) && camera.FieldOfView < RangeOf(CameraRow::FieldOfView).Max)
        camera.FieldOfView += 1.0;
    return camera;
}

PaperOutline Paper::DefaultOutline() const
{
    PaperOutline outline;
    outline.PaperPoint = EntryOf(Format).startOutline;
    outline.Camera = DefaultCamera();
    if (Grid.IsSingle())
        return outline;
    if (const OutlineCapture seen = ProjectedOutline(*this, outline.Camera, kDefaultOutlineView); seen.outline)
        outline.PaperPoint = seen.outline->PaperPoint;
    return outline;
}

PageFit FitOfPage(const Paper& paper, int32_t PageDpi)
{
    PageFit fit;
    for (const int32_t dpi : kPageDpis) {
        if (!paper.PageSize(dpi))
            continue;
        fit.largestDpi = dpi;
        fit.fits = fit.fits || dpi == PageDpi;
    }
    return fit;
}

std::optional<QString> PageFitProblem(const Paper& paper, int32_t PageDpi)
{
    const PageFit fit = FitOfPage(paper, PageDpi);
    if (fit.fits)
        return std::nullopt;
    if (!fit.largestDpi)
        return QStringLiteral("the page is too large at any resolution");
    return QStringLiteral("the page is too large at %1 dpi: the largest resolution that fits is %2 dpi")
        .arg(PageDpi)
        .arg(*fit.largestDpi);
}

CameraValues CameraOnPaper(const CameraValues& camera, const Paper& from, const Paper& to)
{
    const double factor = WidthOverA4(to) / WidthOverA4(from);
    if (factor == 1.0)
        return camera;
    return CameraForPiece(camera, factor);
}

std::optional<Paper> PaperOfStyle(double PageStyle, PaperFormat format)
{
    const PaperLayout layout = LayoutOf(PageStyle);
    if (layout == PaperLayout::None)
        return std::nullopt;
    return Paper{format, layout};
}

} // namespace quorvane
