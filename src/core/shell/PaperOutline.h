#pragma once

// The paper outline: the paper's six corners as its source saw them, and that source. The
// default outline is built in; the designer's comes from a capture of its view, and keeps
// the camera it was captured with and where it lay in that view; a photo's comes from the
// paper's corners in a photo of the real paper, and keeps the photo, those corners and the
// camera worked out from them.

#include <array>
#include <cstdint>
#include <optional>

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include "core/shell/CameraValues.h"
#include "core/shell/PageStyle.h"

namespace quorvane {

using Outline = std::array<QPoint, 6>;
using Quad = std::array<QPoint, 4>;
// Six corners in photo pixels (pixel centres at .5), numbered as Outline's: a flat paper
// repeats corner 5 as 0 and corner 2 as 1, an upright one corner 2 as 3 and 5 as 4.
using PhotoPoints = std::array<QPointF, 6>;

enum class OutlineSource {
    Default,  // the L-folded paper seen from the front and above, before any capture
    Designer, // found in the designer's view by a capture
    Photo,    // the paper's corners in a photo of it
};

struct PaperOutline {
    Outline PaperPoint{}; // the six corners, min x and y at 0
    OutlineSource Source = OutlineSource::Default;
    CameraValues Camera;  // the designer's camera that saw them (the creation camera for the default)
    QPoint ViewOrigin;    // where PaperPoint's (0, 0) lay in the captured view (or the photo)
    QSize View;           // the captured view's (or the photo's) size; empty when not known
    QImage Photo;         // a photo's outline: the photo as stored; null for the other sources
    PhotoPoints PhotoCorners{}; // a photo's outline: the corners in Photo's pixels

    int32_t PaperWidth() const;  // largest x among PaperPoint
    int32_t PaperHeight() const; // largest y among PaperPoint

    bool operator==(const PaperOutline&) const = default;
};

// Why the outline cannot make a page for the layout, or no value when it can: each sheet
// the layout prints must enclose an area, not be a point, a line or a sliver of a pixel,
// and not be so much longer than wide that its page would be all one edge.
std::optional<QString> OutlineProblem(const Outline& outline, PaperLayout layout);

} // namespace quorvane
