#include "core/designer/CameraInput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

// Rounds and clamps into the row's range in one step, so huge texts cannot overflow.
int ClampIntoRange(CameraRow row, double n)
{
    const SliderRange& range = RangeOf(row);
    return RoundHalfEvenClamped(std::clamp(n, double(range.Min), double(range.Max)));
}

int SaturatedSum(int base, int64_t step)
{
    return static_cast<int>(std::clamp<int64_t>(base + step, INT32_MIN, INT32_MAX));
}

} // namespace

bool AcceptsFieldCharacter(CameraRow row, QChar typed, QStringView before, QStringView after)
{
    if (typed == u'-')
        return row == CameraRow::Angle && before.isEmpty() && !after.startsWith(u'-');
    if (typed == u'.')
        return DesignerCamera::ShowsLength(row) && !before.contains(u'.') && !after.contains(u'.');
    return (typed >= u'0' && typed <= u'9') || typed == u'\b';
}

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double n = text.mid(start, i - start).toString().toDouble(&ok);
    return ok && std::isfinite(n) ? n : 0.0;
}

std::optional<int> FieldValueWhileTyping(CameraRow row, QStringView text)
{
    if (text.trimmed() == u"-")
        return std::nullopt;
    const std::optional<int32_t> n = RoundHalfEven(LeadingNumber(text) / DesignerCamera::FieldUnitsPerStep(row));
    const SliderRange& range = RangeOf(row);
    if (!n || *n < range.Min || *n > range.Max)
        return std::nullopt;
    return *n;
}

int FieldValueOnLeave(CameraRow row, QStringView text)
{
    return ClampIntoRange(row, LeadingNumber(text) / DesignerCamera::FieldUnitsPerStep(row));
}

void ViewDrag::Press(DragButton button, QPointF position)
{
    if (button == DragButton::Left)
        rotateDrag_ = true;
    if (button == DragButton::Right) {
        zoomDrag_ = true;
        magnifier_ = true;
    }
    StorePosition(position);
}

void ViewDrag::Release(DragButton button)
{
    if (button == DragButton::Left)
        rotateDrag_ = false;
    if (button == DragButton::Right)
        zoomDrag_ = false;
    magnifier_ = false;
}

std::vector<SliderAssignment> ViewDrag::Move(QPointF position, const DesignerCamera& camera)
{
    std::vector<SliderAssignment> steps;
    const int dx = RoundHalfEvenClamped((position.x() - lastMouseX_) / 3.0);
    const int dy = RoundHalfEvenClamped((position.y() - lastMouseY_) / 3.0);
    const bool sideways = std::abs(int64_t(dx)) > std::abs(int64_t(dy));
    if (rotateDrag_) {
        if (sideways) {
            const int a = std::clamp(SaturatedSum(camera.SliderValue(CameraRow::Angle), dx), -90, 90);
            steps.push_back({CameraRow::Angle, a});
        } else {
            const int e = SaturatedSum(camera.SliderValue(CameraRow::Height), 10 * int64_t(dy));
            steps.push_back({CameraRow::Height, std::max(e, 0)});
        }
    }
    if (zoomDrag_) {
        const int64_t step = 10 * int64_t(sideways ? dx : dy);
        const int d = SaturatedSum(camera.SliderValue(CameraRow::Distance), step);
        steps.push_back({CameraRow::Distance, std::max(d, 1)});
    }
    StorePosition(position);
    return steps;
}

SliderAssignment WheelStep(int angleDelta, const DesignerCamera& camera)
{
    const int64_t step = RoundHalfEvenClamped(-angleDelta / 120.0 * RangeOf(CameraRow::Distance).LargeChange);
    return {CameraRow::Distance, std::max(SaturatedSum(camera.SliderValue(CameraRow::Distance), step), 1)};
}

void ViewDrag::StorePosition(QPointF position)
{
    lastMouseX_ = RoundHalfEvenClamped(position.x());
    lastMouseY_ = RoundHalfEvenClamped(position.y());
}

} // namespace quorvane
