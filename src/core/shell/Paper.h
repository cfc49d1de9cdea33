#pragma once

// The paper the page is printed on: its format and how it is laid out (folded into an L,
// lying flat or standing upright). Every size that follows from the paper is answered here:
// the page's pixels at a resolution, its size as printed, the designer's scene, where the
// designer's eye aims and where it starts, and how scene units turn into centimetres of the
// printed paper.

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

struct Paper {
    PaperFormat Format = PaperFormat::A4;
    PaperLayout Layout = PaperLayout::LFold;

    bool operator==(const Paper&) const = default;

    // The page at PageDpi in pixels, upright, or on its side for the standing sheet alone.
    // No value for a resolution not in kPageDpis or a layout that selects nothing.
    std::optional<QSize> PageSize(int32_t PageDpi) const;
    // The format's upright page at PageDpi, whatever the layout.
    std::optional<QSize> PortraitPageSize(int32_t PageDpi) const;
    // The page as printed, in millimetres, laid out as PageSize.
    QSizeF PageSizeMm() const;
    // The printer's paper for the page.
    QPageSize PrintPageSize() const;

    // The paper in the designer's scene: the format a little enlarged, folded into an L,
    // lying flat or standing upright. All zero for a layout that selects nothing.
    SheetSize SceneSize() const;
    // The height above the floor where the designer's eye aims.
    double AimHeight() const;
    // The page style stored and typed for the layout (6, 4.1, 4.2).
    double PageStyle() const;

    // The designer's camera before any is chosen: the whole paper in its view.
    CameraValues DefaultCamera() const;
    // The outline used until the designer's first OK: the designer's capture of the
    // L-folded paper at the default camera.
    PaperOutline DefaultOutline() const;
};

// The camera moved back and up as far as the paper of `to` is wider than that of `from`, on
// the designer's slider steps: it sees the one as it saw the other.
CameraValues CameraOnFormat(const CameraValues& camera, PaperFormat from, PaperFormat to);

// The paper of a stored or typed page style; no value for a style that selects nothing.
std::optional<Paper> PaperOfStyle(double PageStyle, PaperFormat format = PaperFormat::A4);

} // namespace quorvane
