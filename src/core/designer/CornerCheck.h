#pragma once

// Turning the corners found in the captured view into the paper outline, or refusing.

#include <QString>

#include "core/designer/CornerScan.h"
#include "core/shell/CameraValues.h"
#include "core/shell/Document.h"

namespace quorvane {

inline const QString kMessageCornersHidden =
    QStringLiteral("Please make sure that all parts of the paper are visible.");
inline const QString kMessagePaperTooSmall = QStringLiteral("The paper area is too small.");

struct PaperOutlineResult {
    bool ok = false;
    QString message; // why not, when ok is false
    Outline PaperPoint{};
};

// Checks that the style's corners were found and that its paper is not seen edge-on (a
// flat paper seen from an eye lower than 10 cm; an upright one turned beyond 87 degrees),
// fills in the corners a flat or upright paper shares, and shifts the outline so that its
// smallest x and y are 0.
PaperOutlineResult PaperOutlineFromCorners(FoundCorners found, double PageStyle, const CameraValues& camera);

// Shifts the corners so that their smallest x and smallest y are 0.
Outline NormaliseOutline(const FoundCorners& corners);

} // namespace quorvane
