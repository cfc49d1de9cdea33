#pragma once

// Draws the main canvas into a back buffer: the grey gradient background (or the photo a
// paper outline came from), the paper as the camera sees it, the picture in its placement rectangle, the dotted frame and the
// eight grips. The widget that shows the canvas only copies the back buffer to the screen.
// Placements and the paper are in canvas pixels; the back buffer holds the screen's device
// pixels (canvas size times the pixel ratio), so a scaled display is drawn crisp.

#include <functional>
#include <initializer_list>

#include <QImage>
#include <QRectF>
#include <QSize>

#include "core/editor/ScaledPicture.h"
#include "core/shell/CanvasPaper.h"

namespace quorvane {

// What is drawn over the picture: nothing (preview), the dotted frame (while dragging), or
// the frame and the eight grips (editing).
enum class Decorations { None, Frame, FrameAndGrips };

class CanvasRenderer {
public:
    // `refresh` is called whenever the back buffer should be shown (DrawImage's refresh).
    explicit CanvasRenderer(std::function<void()> refresh = {});

    // The background gradient runs over the screen's height and repeats below it.
    void SetScreenHeight(int pixels);

    // A new canvas size, or a new number of device pixels per canvas pixel: the back buffer
    // is made anew and cleared to white.
    void Resize(QSize canvas, qreal pixelRatio = 1.0);
    QSize CanvasSize() const { return canvas_; }
    qreal PixelRatio() const { return ratio_; }
    // Device pixels: CanvasSize() times PixelRatio(), rounded up.
    const QImage& BackBuffer() const { return backBuffer_; }

    // The one redraw of the canvas: background and the document's paper as fitted, the
    // picture in `rect` (corners in either order) rounded to whole pixels, the decorations at
    // the exact rectangle over it; then the back buffer is shown once.
    void DrawCanvas(const Document& doc, const CanvasPaper& paper, const Placement& rect, Decorations decorations);

private:
    // The paper layer, then the picture between the corners (canvas pixels).
    void DrawImage(const Document& doc, const CanvasPaper& paper, int x1, int y1, int x2, int y2);
    // The rectangle spanned by two corners, in the dotted line style.
    void DrawDottedFrame(float x1, float y1, float x2, float y2);
    // The eight grips of the rectangle with these edges, in the solid line style.
    void DrawSRect(float right, float left, float bottom, float top);
    const QImage& PaperLayer(const Document& doc, const CanvasPaper& paper);
    void DrawPicture(const QImage& picture, const QRect& target);
    // Outlines of rectangles given in canvas pixels, one line as wide as a canvas pixel.
    void DrawRectOutlines(std::initializer_list<QRectF> rects, Qt::PenStyle style);
    // A canvas coordinate in device pixels, rounded.
    int ToDevice(int canvas) const;

    std::function<void()> refresh_;
    int screenHeight_ = 1080;
    QSize canvas_;
    qreal ratio_ = 1.0;
    QImage backBuffer_;
    ScaledPicture scaledPicture_;

    // Background and paper change only with the canvas size, the outline, the style and the
    // photo behind a photo's outline.
    QImage paperLayer_;
    Outline layerOutline_{};
    PaperLayout layerLayout_ = PaperLayout::None;
    qint64 layerPhoto_ = 0;
};

} // namespace quorvane
