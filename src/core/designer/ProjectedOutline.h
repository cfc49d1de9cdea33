#pragma once

// The designer's view worked out without drawing it: where its perspective and its eye put a
// point of the scene, and the outline its capture finds there. The same arithmetic as the
// scene's perspective (near plane 0.5, far plane 10000) and eye, in double precision.

#include <optional>

#include <QPointF>
#include <QSize>

#include "core/designer/CornerCheck.h"
#include "core/designer/PaperScene.h"
#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

// A scene point in window coordinates of a view of `view` pixels (x from the left, y from the
// bottom, as the view's pixels are numbered); no value when it lies outside the view's depth
// range or the view is empty.
std::optional<QPointF> ViewPosition(const ScenePoint& point, const Paper& paper, const CameraValues& camera, QSize view);

// The outline the designer's capture finds with `camera` in a view of `view` pixels: each
// drawn corner at the pixel its marker covers, refused as the capture refuses when a corner
// falls outside the view.
OutlineCapture ProjectedOutline(const Paper& paper, const CameraValues& camera, QSize view);

} // namespace quorvane
