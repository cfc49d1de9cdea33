#pragma once

// The paper's silhouette on the reduced photo: the bright region shaped like the laid-out
// paper, as a polygon of its corners.

#include <vector>

#include <QPointF>
#include <QString>
#include <opencv2/core.hpp>

#include "core/shell/PageStyle.h"

namespace quorvane {

struct RegionSearch {
    std::vector<QPointF> polygon; // pixel centres at .5; empty when no paper was found
    QString message;              // why not
};

// Looks in `gray` (8 bits, one channel) for one bright region whose outline a polygon of
// the layout's corner count follows closely: four, or for the L-folded paper six (five when
// one fold end lies straight on its side).
RegionSearch FindPaperRegion(const cv::Mat& gray, PaperLayout layout);

} // namespace quorvane
