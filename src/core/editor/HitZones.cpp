#include "core/editor/HitZones.h"

#include <array>
#include <cmath>

namespace quorvane {

namespace {

using enum AxisPlace;

// Zones 1..8 in the order hovering tests them: corners first, then edge midpoints.
constexpr std::array<Grip, 8> kGrips{{
    {Low, Low, High, High, PointerShape::DiagonalNwSe},  // 1 top-left
    {High, High, Low, Low, PointerShape::DiagonalNwSe},  // 2 bottom-right
    {High, Low, Low, High, PointerShape::DiagonalNeSw},  // 3 top-right
    {Low, High, High, Low, PointerShape::DiagonalNeSw},  // 4 bottom-left
    {Mid, Low, Low, High, PointerShape::Vertical},       // 5 top edge
    {Mid, High, Low, Low, PointerShape::Vertical},       // 6 bottom edge
    {High, Mid, Low, Low, PointerShape::Horizontal},     // 7 right edge
    {Low, Mid, High, Low, PointerShape::Horizontal},     // 8 left edge
}};

constexpr double kGripTolerance = 3.0;

double Along(AxisPlace place, float low, float high)
{
    switch (place) {
    case Low:
        return low;
    case High:
        return high;
    case Mid:
        break;
    }
    return (double(low) + double(high)) / 2.0;
}

// Strictly within the tolerance of the centre; each bound is rounded to a float first,
// as the pointer position is a float.
bool WithinTolerance(float value, double centre)
{
    const float lower = float(centre - kGripTolerance);
    const float upper = float(centre + kGripTolerance);
    return value > lower && value < upper;
}

} // namespace

const Grip* GripOf(int16_t zone)
{
    if (zone < 1 || zone > int16_t(kGrips.size()))
        return nullptr;
    return &kGrips[size_t(zone - 1)];
}

int16_t HitZoneAt(const Placement& place, float x, float y)
{
    for (size_t i = 0; i < kGrips.size(); ++i) {
        const Grip& grip = kGrips[i];
        if (WithinTolerance(x, Along(grip.centreX, place.SelX1, place.SelX2))
            && WithinTolerance(y, Along(grip.centreY, place.SelY1, place.SelY2)))
            return int16_t(i + 1);
    }
    if (x > place.SelX1 && x < place.SelX2 && y > place.SelY1 && y < place.SelY2)
        return kZoneInside;
    return kZoneNone;
}

PointerShape PointerOf(int16_t zone)
{
    if (const Grip* grip = GripOf(zone))
        return grip->pointer;
    return zone == kZoneInside ? PointerShape::Move : PointerShape::Arrow;
}

QPointF AnchorOf(const Grip& grip, const Placement& place)
{
    return QPointF(Along(grip.anchorX, place.SelX1, place.SelX2), Along(grip.anchorY, place.SelY1, place.SelY2));
}

QPointF ClampToCanvas(float x, float y, QSizeF canvas)
{
    const auto clamp = [](float value, double limit) {
        if (std::isnan(value) || value < 0.0f)
            return 0.0;
        return value > limit ? limit : double(value);
    };
    return QPointF(clamp(x, canvas.width()), clamp(y, canvas.height()));
}

} // namespace quorvane
