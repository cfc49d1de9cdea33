#include "core/designer/CornerCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "core/shell/PageStyle.h"

namespace quorvane {

namespace {

bool AllFound(const FoundCorners& found, std::initializer_list<int> corners)
{
    return std::all_of(corners.begin(), corners.end(),
                       [&](int i) { return CornerFound(found[i]); });
}

PaperOutlineResult Refuse(const QString& message)
{
    PaperOutlineResult result;
    result.message = message;
    return result;
}

} // namespace

PaperOutlineResult PaperOutlineFromCorners(FoundCorners found, double PageStyle, const CameraValues& camera)
{
    switch (LayoutOf(PageStyle)) {
    case PaperLayout::LFold:
        if (!AllFound(found, {0, 1, 2, 3, 4, 5}))
            return Refuse(kMessageCornersHidden);
        break;
    case PaperLayout::Flat:
        if (!AllFound(found, {2, 3, 4, 5}))
            return Refuse(kMessageCornersHidden);
        if (camera.CameraHeight < 10.0)
            return Refuse(kMessagePaperTooSmall);
        found[0] = found[5];
        found[1] = found[2];
        break;
    case PaperLayout::Upright:
        if (!AllFound(found, {0, 1, 2, 5}))
            return Refuse(kMessageCornersHidden);
        if (std::abs(camera.CameraAngle) > 87.0)
            return Refuse(kMessagePaperTooSmall);
        found[3] = found[2];
        found[4] = found[5];
        break;
    case PaperLayout::None:
        // No paper is drawn for an unknown style, so there is nothing to outline.
        return Refuse(kMessageCornersHidden);
    }
    PaperOutlineResult result;
    result.ok = true;
    result.PaperPoint = NormaliseOutline(found);
    return result;
}

Outline NormaliseOutline(const FoundCorners& corners)
{
    int minX = corners[0].x();
    int minY = corners[0].y();
    for (const QPoint& p : corners) {
        minX = std::min(minX, p.x());
        minY = std::min(minY, p.y());
    }
    Outline outline;
    for (size_t i = 0; i < corners.size(); ++i)
        outline[i] = corners[i] - QPoint(minX, minY);
    return outline;
}

} // namespace quorvane
