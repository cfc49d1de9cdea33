#pragma once

// The paper outline: the paper's six corners as its source saw them, and that source. The
// default outline is built in; the designer's comes from a capture of its view, and keeps
// the camera it was captured with and where it lay in that view.

#include <array>
#include <cstdint>
#include <optional>

#include <QPoint>
#include <QSize>
#include <QString>

#include "core/shell/CameraValues.h"
#include "core/shell/PageStyle.h"

namespace quorvane {

using Outline = std::array<QPoint, 6>;
using Quad = std::array<QPoint, 4>;

enum class OutlineSource {
    Default,  // the L-folded paper seen from the front and above, before any capture
    Designer, // found in the designer's view by a capture
};

struct PaperOutline {
    Outline PaperPoint{}; // the six corners, min x and y at 0
    OutlineSource Source = OutlineSource::Default;
    CameraValues Camera;  // the designer's camera that saw them (the creation camera for the default)
    QPoint ViewOrigin;    // where PaperPoint's (0, 0) lay in the captured view
    QSize View;           // the captured view's size; empty when not known

    int32_t PaperWidth() const;  // largest x among PaperPoint
    int32_t PaperHeight() const; // largest y among PaperPoint

    bool operator==(const PaperOutline&) const = default;
};

// Why the outline cannot make a page for the layout, or no value when it can: each sheet
// the layout prints must enclose an area, not be a point, a line or a sliver of a pixel,
// and not be so much longer than wide that its page would be all one edge.
std::optional<QString> OutlineProblem(const Outline& outline, PaperLayout layout);

} // namespace quorvane
