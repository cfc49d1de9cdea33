#pragma once

// Turning the corners found in the captured view into the paper outline, or refusing.

#include <optional>

#include <QSize>
#include <QString>

#include "core/designer/CornerScan.h"
#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"
#include "core/shell/PaperOutline.h"

namespace quorvane {

inline const QString kMessageCornersHidden =
    QStringLiteral("Please make sure that all parts of the paper are visible.");
inline const QString kMessagePaperTooSmall = QStringLiteral("The paper area is too small.");

struct OutlineCapture {
    std::optional<PaperOutline> outline;
    QString message; // why not, when there is no outline
};

// The designer's outline from the corners found in a capture of its view of `view` pixels
// with `camera`: checks that the layout's corners were found and that its paper is not seen
// edge-on (a flat paper seen from an eye lower than 10 cm; an upright one turned beyond 87
// degrees), fills in the corners a flat or upright paper shares, and shifts the outline so
// that its smallest x and y are 0, keeping where it lay in the view.
OutlineCapture CaptureOutline(FoundCorners found, const Paper& paper, const CameraValues& camera, QSize view);

// Shifts the corners so that their smallest x and smallest y are 0.
Outline NormaliseOutline(const FoundCorners& corners);

} // namespace quorvane
