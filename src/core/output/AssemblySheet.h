#pragma once

// The assembly sheet printed before the sheets of a paper made of several: the grid to
// scale with each sheet's label, which sheets were left out because nothing is on them, and
// how to lay them together. It paints on any painter; the space it leaves below is where the
// camera's setup figures go.

#include <vector>

#include <QPainter>
#include <QRectF>

#include "core/output/SheetCut.h"
#include "core/shell/Paper.h"

namespace quorvane {

// Paints the assembly sheet into `area` (the painter's units) and returns the part of `area`
// left free below it.
QRectF PaintAssemblySheet(QPainter& painter, const QRectF& area, const Paper& paper,
                          const std::vector<GridSheet>& skipped);

} // namespace quorvane
