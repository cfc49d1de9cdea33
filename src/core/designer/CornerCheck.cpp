#include "core/designer/CornerCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>


namespace quorvane {

namespace {

bool AllFound(const FoundCorners& found, std::initializer_list<int> corners)
{
    return std::all_of(corners.begin(), corners.end(),
                       [&](int i) { return CornerFound(found[i]); });
}

OutlineCapture Refuse(const QString& message)
{
    return {std::nullopt, message};
}

} // namespace

OutlineCapture CaptureOutline(FoundCorners found, const Paper& paper, const CameraValues& camera, QSize view)
{
    switch (paper.Layout) {
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
    PaperOutline outline;
    outline.PaperPoint = NormaliseOutline(found);
    outline.Source = OutlineSource::Designer;
    outline.Camera = camera;
    outline.ViewOrigin = found[2] - outline.PaperPoint[2]; // corner 2 is found in every layout
    outline.View = view;
    return {outline, {}};
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
