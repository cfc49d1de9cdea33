#pragma once

// The paper as the designer's 3D scene holds it: where its six corners and their capture
// markers lie, and where it shows the printed page. Its size comes from the paper
// (Paper::SceneSize); x to the right, y up, z towards the camera, the origin on the floor in
// the middle of the lying sheet.

#include <array>
#include <vector>

#include "core/shell/Paper.h"

namespace quorvane {

struct ScenePoint {
    double x;
    double y;
    double z;
};

struct MarkerColour {
    double red;
    double green;
    double blue;
};

// Each corner's marker: one pure channel, full (corners 0, 2, 4) or half (1, 3, 5), so the
// captured view tells them apart.
inline constexpr std::array<MarkerColour, 6> kMarkerColours{{
    {1.0, 0.0, 0.0}, {0.5, 0.0, 0.0}, {0.0, 1.0, 0.0},
    {0.0, 0.5, 0.0}, {0.0, 0.0, 1.0}, {0.0, 0.0, 0.5},
}};

// Scene position of corner 0..5 (0, 1 the top edge of the standing sheet; 2, 5 the fold;
// 3, 4 the near edge of the lying sheet).
ScenePoint CornerPosition(int corner, const SheetSize& size);

// A point of the printed page: u from its left edge (0) to its right edge (1), v from its
// top edge (0) to its bottom edge (1).
struct PagePoint {
    double u;
    double v;
};

// Where a point of the paper shows the printed page. The page covers the unfolded paper:
// its top edge at the top of the standing sheet (or at the far edge of a lying sheet
// alone), its bottom edge at the near edge of the lying sheet (or at the foot of a
// standing sheet alone), the fold where the sheets' depths divide it.
PagePoint PagePointAt(const ScenePoint& point, const SheetSize& size);

// The point of the paper that shows a point of the printed page: the inverse of PagePointAt.
ScenePoint PaperPointAt(const PagePoint& page, const SheetSize& size);

struct SceneSegment {
    ScenePoint from;
    ScenePoint to;
};

// Where the sheets of a grid meet on the assembled paper: the edge of each sheet that lies
// over its neighbour's glue strip, as straight pieces on the standing and the lying sheet.
// None for one sheet.
std::vector<SceneSegment> SheetSeams(const Paper& paper);

// Whether a corner's marker is drawn for the layout: a sheet of no extent has no own corners.
bool MarkerDrawn(int corner, PaperLayout layout);

} // namespace quorvane
