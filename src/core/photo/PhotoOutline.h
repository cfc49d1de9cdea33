#pragma once

// The paper outline made from a photo of the paper: the photo kept at a bounded size, the
// corners in its pixels, the outline in whole pixels shifted to start at 0 as the designer's
// is, and the designer's camera worked out from the corners.

#include <QImage>
#include <QSize>

#include "core/designer/CornerCheck.h"
#include "core/shell/Paper.h"
#include "core/shell/PaperOutline.h"

namespace quorvane {

// The longest side of the photo an outline keeps.
inline constexpr int kMaxStoredPhotoSide = 4096;

inline const QString kMessageNoPhotoCamera = QStringLiteral(
    "No camera in front of the paper sees its corners where they are: check that each corner "
    "lies on its own corner of the paper.");

// The photo as an outline keeps it: opaque, reduced (area-averaged) to at most
// kMaxStoredPhotoSide pixels on its long side. Null for a null photo.
QImage StoredPhoto(const QImage& photo);

// The outline of the paper whose corners lie at `corners` in `photo` (its pixels, centres
// at .5). Refused with the reason when the corners enclose no page for the paper's layout or
// no camera in front of the paper sees them there.
OutlineCapture PhotoOutline(const QImage& photo, const PhotoPoints& corners, const Paper& paper);

} // namespace quorvane
