#pragma once

// The paper the page is printed on: its format, how it is laid out (folded into an L,
// lying flat or standing upright) and the grid of sheets it is made of. Every size that follows from the paper is answered here:
// the page's pixels at a resolution, its size as printed, the designer's scene, where the
// designer's eye aims and where it starts, and how scene units turn into centimetres of the
// printed paper. With a grid of several sheets these are the sizes of the assembled paper,
// the page made once for all of it and cut into sheets for printing.

#include <cstdint>
#include <optional>
#include <span>

#include <QPageSize>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringView>

#include "core/shell/CameraValues.h"
#include "core/shell/PageStyle.h"
#include "core/shell/PaperOutline.h"
#include "core/shell/SheetGrid.h"

namespace quorvane {

enum class PaperFormat { A4, Letter, A3 };

// Every format, the default first.
std::span<const PaperFormat> PaperFormats();
// The format's name in files, settings and options ("a4", "letter", "a3").
QString FormatName(PaperFormat format);
// The format as the user reads it ("A4", "US Letter", "A3").
QString FormatTitle(PaperFormat format);
// The format of a name, in any case; no value for another text.
std::optional<PaperFormat> FormatOfName(QStringView name);

// The paper as the designer's 3D scene holds it, in scene units.
struct SheetSize {
    double SheetWidth = 0.0;  // x extent of the paper
    double SheetHeight = 0.0; // height of the standing sheet
    double SheetDepth = 0.0;  // depth of the lying sheet

    bool operator==(const SheetSize&) const = default;
};

// Centimetres of printed paper in one scene unit, the same for every format.
double CmPerSceneUnit();

// The longest side of a page made in one piece, in pixels.
inline constexpr int32_t kMaxPageSide = 40000;

struct Paper {
    PaperFormat Format = PaperFormat::A4;
    PaperLayout Layout = PaperLayout::LFold;
    SheetGrid Grid{}; // one sheet unless set

    bool operator==(const Paper&) const = default;

    // The page at PageDpi in pixels, upright, or on its side for the standing sheet alone;
    // for a grid, the assembled page. No value for a resolution not in kPageDpis, a layout
    // that selects nothing, a grid out of range or a page longer than kMaxPageSide.
    std::optional<QSize> PageSize(int32_t PageDpi) const;
    // One sheet's page at PageDpi, laid out as PageSize: what is printed on each sheet.
    std::optional<QSize> SheetPageSize(int32_t PageDpi) const;
    // Where each sheet lies on the page at PageDpi; no value when there is no page.
    std::optional<GridOnPage> GridAt(int32_t PageDpi) const;
    // The format's upright page at PageDpi, whatever the layout and the grid.
    std::optional<QSize> PortraitPageSize(int32_t PageDpi) const;
    // The page as printed and assembled, in millimetres, laid out as PageSize.
    QSizeF PageSizeMm() const;
    // One sheet as printed, in millimetres, laid out as PageSize.
    QSizeF SheetSizeMm() const;
    // The printer's paper for the page, or for each sheet of a grid.
    QPageSize PrintPageSize() const;

    // The paper in the designer's scene: the format a little enlarged (the assembled paper
    // at the same scale for a grid), folded into an L, lying flat or standing upright. All
    // zero for a layout that selects nothing.
    SheetSize SceneSize() const;
    // The height above the floor where the designer's eye aims.
    double AimHeight() const;
    // The page style stored and typed for the layout (6, 4.1, 4.2).
    double PageStyle() const;

    // The designer's camera before any is chosen: the whole paper in its view.
    CameraValues DefaultCamera() const;
    // The outline used until the designer's first OK: the designer's capture of the
    // L-folded paper at the default camera; for a grid, of the paper as it is laid out.
    PaperOutline DefaultOutline() const;
};

// Whether the page of `paper` can be made at PageDpi, and the finest of kPageDpis at which
// it can (no value when it cannot at any).
struct PageFit {
    bool fits = false;
    std::optional<int32_t> largestDpi;
};
PageFit FitOfPage(const Paper& paper, int32_t PageDpi);
// Why the page of `paper` cannot be made at PageDpi, one of kPageDpis, for a message ("the page
// is too large at 600 dpi: the largest resolution that fits is 300 dpi"); no value when it can.
std::optional<QString> PageFitProblem(const Paper& paper, int32_t PageDpi);

// The camera moved back and up (or nearer and down) as far as the assembled paper of `to` is
// wider than that of `from`, on the designer's slider steps: it sees the one as it saw the
// other. Where the sliders end, the eye stops on its line of sight and the field of view
// opens instead (CameraForPiece).
CameraValues CameraOnPaper(const CameraValues& camera, const Paper& from, const Paper& to);

// The paper of a stored or typed page style; no value for a style that selects nothing.
std::optional<Paper> PaperOfStyle(double PageStyle, PaperFormat format = PaperFormat::A4);

} // namespace quorvane
