#pragma once

// Moving and resizing the picture's placement with the mouse: hover picks the zone and the
// pointer shape, a left press fixes the anchor, left drags redraw the picture live in the
// rectangle being formed, and the release commits the placement and shows the grips.
// Only the left button edits; in preview mode (grips not shown, no zone) nothing reacts.

#include <cstdint>
#include <functional>
#include <optional>

#include <QSizeF>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/EditorState.h"
#include "core/editor/HitZones.h"

namespace quorvane {

// Mouse buttons as flags: a move reports every button held, a press or a release the
// one button concerned.
enum class MouseButtons : uint8_t { None = 0, Left = 1, Right = 2, Middle = 4, Other = 8 };

constexpr MouseButtons operator|(MouseButtons a, MouseButtons b)
{
    return MouseButtons(uint8_t(a) | uint8_t(b));
}

// The working points of a drag, in canvas pixels.
struct DragPoints {
    float AnchorX = 0.0f; // the fixed point: the opposite corner of a grip, or the press point
    float AnchorY = 0.0f;
    float DragX = 0.0f;   // the pointer as a resize last saw it
    float DragY = 0.0f;
};

class PlacementEditor {
public:
    PlacementEditor(Document& doc, const CanvasPaper& paper, EditorState& state, CanvasRenderer& renderer);

    // A pointer move with the buttons held, on a canvas of this size. Returns the pointer
    // shape when hovering chose one; otherwise the pointer stays as it is. With `keepShape`
    // (Shift held) a corner grip resizes with the picture's own proportions.
    std::optional<PointerShape> Move(MouseButtons buttons, float x, float y, QSizeF canvas, bool keepShape = false);
    void Press(MouseButtons button, float x, float y);
    void Release(MouseButtons button, float x, float y, QSizeF canvas, bool keepShape = false);
    // An arrow key in edit mode: the placement moves by (dx, dy) canvas pixels. Nothing
    // in preview mode or while a drag is under way.
    void Nudge(float dx, float dy);

    // Runs after a release or a nudge has changed the placement, with the document before.
    using Committed = std::function<void(const Document& before, bool nudge)>;
    void SetCommitted(Committed committed) { committed_ = std::move(committed); }

    const DragPoints& Points() const { return points_; }

private:
    // The document's placement on this canvas.
    Placement Current() const;
    std::optional<PointerShape> Hover(float x, float y);
    void Drag(float x, float y, bool keepShape);
    // The rectangle a resize forms, corners in either order.
    Placement ResizedTo(const Grip& grip, float x, float y, bool keepShape) const;
    Placement MovedTo(float x, float y) const;
    void DrawPreview(const Placement& rect);
    void ShowGrips();
    void Commit(const Document& before, bool nudge);

    Document& doc_;
    const CanvasPaper& paper_;
    EditorState& state_;
    CanvasRenderer& renderer_;
    DragPoints points_;
    Committed committed_;
    bool dragging_ = false;
};

} // namespace quorvane
