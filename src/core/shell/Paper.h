#pragma once

// The paper the page is printed on: its format and how it is laid out (folded into an L,
// lying flat or standing upright). Every size that follows from the paper is answered here:
// the page's pixels at a resolution, its size as printed, the designer's scene and where
// the designer's eye aims.

#include <cstdint>
#include <optional>

#include <QPageSize>
#include <QSize>
#include <QSizeF>

#include "core/shell/PageStyle.h"

namespace quorvane {

enum class PaperFormat { A4 };

// The paper as the designer's 3D scene holds it, in scene units.
struct SheetSize {
    double SheetWidth = 0.0;  // x extent of the paper
    double SheetHeight = 0.0; // height of the standing sheet
    double SheetDepth = 0.0;  // depth of the lying sheet

    bool operator==(const SheetSize&) const = default;
};

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
};

// The paper of a stored or typed page style, on the default format; no value for a style
// that selects nothing.
std::optional<Paper> PaperOfStyle(double PageStyle);

} // namespace quorvane
