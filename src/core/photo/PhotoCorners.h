#pragma once

// Finding the paper in a photo of it, laid out as in the designer: its corners in the
// paper outline's numbering, to a fraction of a pixel.

#include <array>
#include <optional>

#include <QImage>
#include <QPointF>
#include <QString>

#include "core/shell/PageStyle.h"
#include "core/shell/PaperOutline.h"

namespace quorvane {

inline const QString kMessageNoPaper = QStringLiteral(
    "No paper was found in the photo: nothing in it is bright and shaped like the laid-out paper.");
inline const QString kMessageTwoSheets = QStringLiteral(
    "The photo shows more than one sheet of paper; take it with only the laid-out paper in view.");
inline const QString kMessagePaperCutOff = QStringLiteral(
    "The paper is cut off by the edge of the photo; take it with the whole paper in view.");

struct CornerSearch {
    std::optional<PhotoPoints> corners;
    QString message; // why none were found, when there are none
};

// Looks for a bright sheet of the layout's shape on a darker ground: found on a copy of the
// photo reduced to kSearchSide pixels on its long side, then each edge fitted as a line at
// the photo's full resolution and the corners taken where the lines meet.
CornerSearch FindPaperCorners(const QImage& photo, PaperLayout layout);

// The long side of the reduced copy the paper is first looked for on.
inline constexpr int kSearchSide = 1024;

} // namespace quorvane
