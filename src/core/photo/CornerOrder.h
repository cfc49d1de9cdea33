#pragma once

// Numbering the corners of the paper's silhouette in a photo as the outline's corners.

#include <array>
#include <optional>
#include <vector>

#include <QPointF>

#include "core/photo/PhotoCorners.h"

namespace quorvane {

// The outline's corners met going round the layout's paper clockwise on screen, starting at
// the left end of its top edge: the lying sheet's far edge for a flat paper, the standing
// sheet's top edge otherwise.
std::vector<int> ClockwiseCorners(PaperLayout layout);

// The corners of a flat or upright paper repeated where the outline has six.
void FillSharedCorners(PhotoPoints& corners, PaperLayout layout);

// Numbers the vertices of the silhouette (either turn; the camera upright, above the floor).
// An L-folded paper may show five: seen from where one of its sides looks straight, that
// fold end is put where the fold, through the other fold end towards the vanishing point of
// the top and near edges, crosses the side. No value for a polygon of another count.
std::optional<PhotoPoints> NumberCorners(std::vector<QPointF> polygon, PaperLayout layout);

} // namespace quorvane
