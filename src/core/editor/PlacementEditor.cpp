#include "core/editor/PlacementEditor.h"

#include <algorithm>

#include "core/shell/Numeric.h"

namespace quorvane {

PlacementEditor::PlacementEditor(DocumentState& doc, CanvasRenderer& renderer)
    : doc_(doc)
    , renderer_(renderer)
{
}

std::optional<PointerShape> PlacementEditor::Move(MouseButtons buttons, float x, float y, QSizeF canvas)
{
    const QPointF clamped = ClampToCanvas(x, y, canvas);
    if (buttons == MouseButtons::None)
        return Hover(float(clamped.x()), float(clamped.y()));
    if (buttons == MouseButtons::Left)
        Drag(float(clamped.x()), float(clamped.y()));
    return std::nullopt;
}

// Only while the grips are on the canvas, that is in edit mode.
std::optional<PointerShape> PlacementEditor::Hover(float x, float y)
{
    if (!doc_.SelShown)
        return std::nullopt;
    doc_.HitZone = HitZoneAt(doc_, x, y);
    return PointerOf(doc_.HitZone);
}

void PlacementEditor::Press(MouseButtons button, float x, float y)
{
    if (button != MouseButtons::Left)
        return;
    points_ = {x, y, x, y};
    if (const Grip* grip = GripOf(doc_.HitZone)) {
        const QPointF anchor = AnchorOf(*grip, doc_);
        points_.AnchorX = float(anchor.x());
        points_.AnchorY = float(anchor.y());
    }
}

void PlacementEditor::Drag(float x, float y)
{
    if (doc_.HitZone == kZoneInside) {
        DrawPreview(MovedTo(x, y));
        return;
    }
    const Grip* grip = GripOf(doc_.HitZone);
    if (!grip)
        return;
    // The preview goes to the current pointer, so it never trails the pointer.
    if (grip->ChangesX())
        points_.DragX = x;
    if (grip->ChangesY())
        points_.DragY = y;
    DrawPreview(ResizedTo(*grip, points_.DragX, points_.DragY));
}

// From the anchor to the pointer; an edge grip keeps the far edge of the other axis.
PlacementEditor::Corners PlacementEditor::ResizedTo(const Grip& grip, float x, float y) const
{
    return {points_.AnchorX, points_.AnchorY, grip.ChangesX() ? x : doc_.SelX2, grip.ChangesY() ? y : doc_.SelY2};
}

// The placement shifted by the pointer's way from the press point.
PlacementEditor::Corners PlacementEditor::MovedTo(float x, float y) const
{
    const float dx = x - points_.AnchorX;
    const float dy = y - points_.AnchorY;
    return {doc_.SelX1 + dx, doc_.SelY1 + dy, doc_.SelX2 + dx, doc_.SelY2 + dy};
}

// The whole canvas again with the picture in the rectangle, and the dotted frame over it.
void PlacementEditor::DrawPreview(const Corners& rect)
{
    const auto x1 = RoundHalfEven(rect.x1);
    const auto y1 = RoundHalfEven(rect.y1);
    const auto x2 = RoundHalfEven(rect.x2);
    const auto y2 = RoundHalfEven(rect.y2);
    if (!x1 || !y1 || !x2 || !y2)
        return;
    renderer_.DrawImage(doc_, *x1, *y1, *x2, *y2);
    renderer_.DrawDottedFrame(rect.x1, rect.y1, rect.x2, rect.y2);
    renderer_.Refresh();
}

void PlacementEditor::Release(MouseButtons button, float x, float y, QSizeF canvas)
{
    if (button != MouseButtons::Left || doc_.HitZone == kZoneNone)
        return;
    // Clamped like the moves, so the committed rectangle is the last preview's and a moved
    // picture keeps the point that was grabbed on the canvas.
    const QPointF clamped = ClampToCanvas(x, y, canvas);
    const float cx = float(clamped.x());
    const float cy = float(clamped.y());

    if (doc_.HitZone == kZoneInside) {
        const Corners moved = MovedTo(cx, cy);
        doc_.SelX1 = moved.x1;
        doc_.SelY1 = moved.y1;
        doc_.SelX2 = moved.x2;
        doc_.SelY2 = moved.y2;
        ShowGrips();
        return;
    }
    const Grip* grip = GripOf(doc_.HitZone);
    if (!grip)
        return;
    const Corners resized = ResizedTo(*grip, cx, cy);
    if (grip->ChangesX()) {
        doc_.SelX1 = std::min(resized.x1, resized.x2);
        doc_.SelX2 = std::max(resized.x1, resized.x2);
    }
    if (grip->ChangesY()) {
        doc_.SelY1 = std::min(resized.y1, resized.y2);
        doc_.SelY2 = std::max(resized.y1, resized.y2);
    }
    // A release without a drag finds the grips still shown and draws nothing.
    if (!doc_.SelShown)
        ShowGrips();
}

void PlacementEditor::ShowGrips()
{
    renderer_.DrawSRect(doc_.SelX2, doc_.SelX1, doc_.SelY2, doc_.SelY1);
    doc_.SelShown = true;
    renderer_.Refresh();
}

} // namespace quorvane
