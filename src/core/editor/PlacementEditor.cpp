#include "core/editor/PlacementEditor.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

PlacementEditor::PlacementEditor(Document& doc, const CanvasPaper& paper, EditorState& state, CanvasRenderer& renderer)
    : doc_(doc)
    , paper_(paper)
    , state_(state)
    , renderer_(renderer)
{
}

std::optional<PointerShape> PlacementEditor::Move(MouseButtons buttons, float x, float y, QSizeF canvas,
                                                  bool keepShape)
{
    const QPointF clamped = ClampToCanvas(x, y, canvas);
    if (buttons == MouseButtons::None)
        return Hover(float(clamped.x()), float(clamped.y()));
    if (buttons == MouseButtons::Left)
        Drag(float(clamped.x()), float(clamped.y()), keepShape);
    return std::nullopt;
}

// Only while the grips are on the canvas, that is in edit mode.
std::optional<PointerShape> PlacementEditor::Hover(float x, float y)
{
    if (!state_.SelShown)
        return std::nullopt;
    state_.HitZone = HitZoneAt(Current(), x, y);
    return PointerOf(state_.HitZone);
}

void PlacementEditor::Press(MouseButtons button, float x, float y)
{
    if (button != MouseButtons::Left)
        return;
    points_ = {x, y, x, y};
    dragging_ = state_.HitZone != kZoneNone;
    if (const Grip* grip = GripOf(state_.HitZone)) {
        const QPointF anchor = AnchorOf(*grip, Current());
        points_.AnchorX = float(anchor.x());
        points_.AnchorY = float(anchor.y());
    }
}

void PlacementEditor::Drag(float x, float y, bool keepShape)
{
    if (state_.HitZone == kZoneInside) {
        DrawPreview(MovedTo(x, y));
        return;
    }
    const Grip* grip = GripOf(state_.HitZone);
    if (!grip)
        return;
    // The preview goes to the current pointer, so it never trails the pointer.
    if (grip->ChangesX())
        points_.DragX = x;
    if (grip->ChangesY())
        points_.DragY = y;
    DrawPreview(ResizedTo(*grip, points_.DragX, points_.DragY, keepShape));
}

// From the anchor to the pointer; an edge grip keeps the far edge of the other axis. A corner
// that keeps the shape takes the longer of the two sides the pointer asks for and gives the
// other the picture's proportions, on the pointer's side of the anchor.
Placement PlacementEditor::ResizedTo(const Grip& grip, float x, float y, bool keepShape) const
{
    const QSize picture = doc_.PictureImage.size();
    if (keepShape && grip.ChangesX() && grip.ChangesY() && picture.width() > 0 && picture.height() > 0) {
        const double aspect = double(picture.width()) / picture.height();
        const double w = x - points_.AnchorX;
        const double h = y - points_.AnchorY;
        const double width = std::max(std::abs(w), std::abs(h) * aspect);
        x = float(points_.AnchorX + std::copysign(width, w));
        y = float(points_.AnchorY + std::copysign(width / aspect, h));
    }
    const Placement current = Current();
    return {points_.AnchorX, points_.AnchorY, grip.ChangesX() ? x : current.SelX2,
            grip.ChangesY() ? y : current.SelY2};
}

Placement PlacementEditor::Current() const
{
    return PlacementOnCanvas(doc_, paper_);
}

// The placement shifted by the pointer's way from the press point.
Placement PlacementEditor::MovedTo(float x, float y) const
{
    return Current().Shifted(x - points_.AnchorX, y - points_.AnchorY);
}

// The whole canvas again with the picture in the rectangle, and the dotted frame over it.
void PlacementEditor::DrawPreview(const Placement& rect)
{
    renderer_.DrawCanvas(doc_, paper_, rect, Decorations::Frame);
    state_.SelShown = false;
}

void PlacementEditor::Release(MouseButtons button, float x, float y, QSizeF canvas, bool keepShape)
{
    if (button != MouseButtons::Left)
        return;
    dragging_ = false;
    if (state_.HitZone == kZoneNone)
        return;
    const Document before = doc_;
    // Clamped like the moves, so the committed rectangle is the last preview's and a moved
    // picture keeps the point that was grabbed on the canvas.
    const QPointF clamped = ClampToCanvas(x, y, canvas);
    const float cx = float(clamped.x());
    const float cy = float(clamped.y());

    if (state_.HitZone == kZoneInside) {
        SetPlacement(doc_, paper_, MovedTo(cx, cy));
        ShowGrips();
        Commit(before, false);
        return;
    }
    const Grip* grip = GripOf(state_.HitZone);
    if (!grip)
        return;
    const Placement resized = ResizedTo(*grip, cx, cy, keepShape);
    Placement place = Current();
    if (grip->ChangesX()) {
        place.SelX1 = std::min(resized.SelX1, resized.SelX2);
        place.SelX2 = std::max(resized.SelX1, resized.SelX2);
    }
    if (grip->ChangesY()) {
        place.SelY1 = std::min(resized.SelY1, resized.SelY2);
        place.SelY2 = std::max(resized.SelY1, resized.SelY2);
    }
    SetPlacement(doc_, paper_, place);
    // A release without a drag finds the grips still shown and draws nothing.
    if (!state_.SelShown)
        ShowGrips();
    Commit(before, false);
}

void PlacementEditor::Nudge(float dx, float dy)
{
    if (state_.PreviewMode || dragging_)
        return;
    const Document before = doc_;
    SetPlacement(doc_, paper_, Current().Shifted(dx, dy));
    ShowGrips();
    Commit(before, true);
}

void PlacementEditor::Commit(const Document& before, bool nudge)
{
    if (committed_ && doc_ != before)
        committed_(before, nudge);
}

// The committed placement redrawn with its frame and grips.
void PlacementEditor::ShowGrips()
{
    renderer_.DrawCanvas(doc_, paper_, Current(), Decorations::FrameAndGrips);
    state_.SelShown = true;
}

} // namespace quorvane
