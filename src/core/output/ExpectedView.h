#pragma once

// What the camera should see of a printed page: the picture placed over the paper exactly
// as on the canvas, drawn back into the designer's view, so it can be compared pixel for
// pixel with a rendering of the printed page.

#include <optional>

#include <QImage>
#include <QPolygonF>
#include <QSizeF>
#include <QTransform>

#include "core/shell/Document.h"

namespace quorvane {

// From canvas pixels to the view the outline was captured in, in pixels from its top-left
// corner: the inverse of the canvas fitting, then PaperPoint shifted back to where it lay in
// the view, each corner at its marker pixel's centre. The corner scan counts rows from the
// top plus one, hence half a pixel up. No value when the fitting is degenerate.
std::optional<QTransform> CanvasToView(const Document& doc, QSizeF canvas);

// The paper outline in view pixels, corners at their marker pixels' centres.
QPolygonF OutlineInView(const PaperOutline& outline);

// A white picture of the captured view (a photo's outline: the photo itself) with the document's picture drawn as it lies on the
// canvas, cut to the paper outline, and the outline and the fold drawn over it. Null when the
// fitting is degenerate or the view's size is not known.
QImage ComposeExpectedView(const Document& doc, QSizeF canvas);

} // namespace quorvane
