#include "core/editor/CanvasRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include "core/editor/PaperFitting.h"
#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

const QColor kBackTop = QColor::fromRgba(0xFFECEBEB);
const QColor kBackBottom = QColor::fromRgba(0xFF929392);
const QColor kOutlineColour = QColor::fromRgba(0xFF000000);
const QColor kPageBrushA = QColor::fromRgba(0xFFFFFFFF); // standing sheet, or the whole paper
const QColor kPageBrushB = QColor::fromRgba(0xFFF6F6F6); // lying sheet of the L
const QColor kForeground = Qt::black;                   // frame and grips
constexpr float kGripHalfSize = 3.0f;
constexpr double kMaxBufferEdge = 32767.0; // QImage's limit for a side
constexpr double kPaperOverPhoto = 0.45;    // the paper's opacity over a photo

// The device pixels covering `canvas` pixels at `ratio`; 0 when that is beyond any image.
int DeviceEdge(int canvas, qreal ratio)
{
    const double edge = std::ceil(canvas * ratio - 1e-6); // no extra column from rounding noise
    return edge > 0.0 && edge <= kMaxBufferEdge ? int(edge) : 0;
}

template <size_t N>
QPolygon ToPolygon(const std::array<QPoint, N>& points)
{
    return QPolygon(QList<QPoint>(points.begin(), points.end()));
}

// The outline first, then the fill over it, as the paper is drawn on the canvas.
void DrawSheet(QPainter& painter, const QPolygon& outline, const QPolygon& fill, const QColor& colour)
{
    painter.setPen(QPen(kOutlineColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(fill, Qt::OddEvenFill);
}

void DrawPaper(QPainter& painter, PaperLayout layout, const CanvasPaper& paper)
{
    switch (layout) {
    case PaperLayout::LFold:
        DrawSheet(painter, ToPolygon(paper.CanvasOutline), ToPolygon(paper.CanvasQuadA), kPageBrushA);
        painter.setBrush(kPageBrushB);
        painter.drawPolygon(ToPolygon(paper.CanvasQuadB), Qt::OddEvenFill);
        break;
    case PaperLayout::Flat:
        DrawSheet(painter, ToPolygon(paper.CanvasQuadB), ToPolygon(paper.CanvasQuadB), kPageBrushA);
        break;
    case PaperLayout::Upright:
        DrawSheet(painter, ToPolygon(paper.CanvasQuadA), ToPolygon(paper.CanvasQuadA), kPageBrushA);
        break;
    case PaperLayout::None:
        break;
    }
}

} // namespace

CanvasRenderer::CanvasRenderer(std::function<void()> refresh)
    : refresh_(std::move(refresh))
{
}

void CanvasRenderer::SetScreenHeight(int pixels)
{
    if (pixels > 0 && pixels != screenHeight_) {
        screenHeight_ = pixels;
        paperLayer_ = QImage();
    }
}

void CanvasRenderer::Resize(QSize canvas, qreal pixelRatio)
{
    if (!std::isfinite(pixelRatio) || pixelRatio <= 0.0)
        pixelRatio = 1.0;
    if (canvas.isEmpty() || (canvas == canvas_ && pixelRatio == ratio_))
        return;
    const QSize device(DeviceEdge(canvas.width(), pixelRatio), DeviceEdge(canvas.height(), pixelRatio));
    QImage buffer(device, QImage::Format_ARGB32_Premultiplied);
    if (device.isEmpty() || buffer.isNull())
        return;
    buffer.fill(Qt::white);
    backBuffer_ = buffer;
    canvas_ = canvas;
    ratio_ = pixelRatio;
    paperLayer_ = QImage();
}

int CanvasRenderer::ToDevice(int canvas) const
{
    return RoundHalfEvenClamped(canvas * ratio_);
}

const QImage& CanvasRenderer::PaperLayer(const Document& doc, const CanvasPaper& paper)
{
    const PaperLayout layout = doc.Paper.Layout;
    const qint64 photoKey = doc.Outline.Photo.cacheKey();
    if (!paperLayer_.isNull() && paperLayer_.size() == backBuffer_.size()
        && layerOutline_ == paper.CanvasOutline && layerLayout_ == layout && layerPhoto_ == photoKey)
        return paperLayer_;

    paperLayer_ = QImage(backBuffer_.size(), QImage::Format_ARGB32_Premultiplied);
    layerOutline_ = paper.CanvasOutline;
    layerLayout_ = layout;
    layerPhoto_ = photoKey;
    if (paperLayer_.isNull())
        return paperLayer_;
    QPainter painter(&paperLayer_);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, screenHeight_ * ratio_);
    gradient.setColorAt(0.0, kBackTop);
    gradient.setColorAt(1.0, kBackBottom);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.fillRect(paperLayer_.rect(), gradient);
    if (ratio_ != 1.0)
        painter.scale(ratio_, ratio_); // the outline is in canvas pixels
    // A photo's outline shows its photo behind a half-transparent paper: the picture is
    // placed over the real scene.
    if (const std::optional<QRectF> photo = PhotoOnCanvas(doc.Outline, QSizeF(canvas_))) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(*photo, doc.Outline.Photo);
        painter.setOpacity(kPaperOverPhoto);
    }
    DrawPaper(painter, layout, paper);
    return paperLayer_;
}

void CanvasRenderer::DrawCanvas(const Document& doc, const CanvasPaper& paper, const Placement& rect,
                                Decorations decorations)
{
    DrawImage(doc, paper, RoundHalfEvenClamped(rect.SelX1), RoundHalfEvenClamped(rect.SelY1),
              RoundHalfEvenClamped(rect.SelX2), RoundHalfEvenClamped(rect.SelY2));
    if (decorations != Decorations::None)
        DrawDottedFrame(rect.SelX1, rect.SelY1, rect.SelX2, rect.SelY2);
    if (decorations == Decorations::FrameAndGrips)
        DrawSRect(rect.SelX2, rect.SelX1, rect.SelY2, rect.SelY1);
    if (refresh_)
        refresh_();
}

void CanvasRenderer::DrawImage(const Document& doc, const CanvasPaper& paper, int x1, int y1, int x2, int y2)
{
    if (backBuffer_.isNull())
        return;
    const QImage& layer = PaperLayer(doc, paper);
    if (layer.size() == backBuffer_.size())
        std::memcpy(backBuffer_.bits(), layer.constBits(), size_t(layer.sizeInBytes()));

    x1 = ToDevice(x1);
    y1 = ToDevice(y1);
    x2 = ToDevice(x2);
    y2 = ToDevice(y2);
    // The picture is never mirrored, whatever the order of the corners.
    const int64_t width = std::llabs(int64_t(x2) - x1);
    const int64_t height = std::llabs(int64_t(y2) - y1);
    if (width <= INT32_MAX && height <= INT32_MAX)
        DrawPicture(doc.PictureImage, QRect(std::min(x1, x2), std::min(y1, y2), int(width), int(height)));
}

void CanvasRenderer::DrawPicture(const QImage& picture, const QRect& target)
{
    if (picture.isNull() || target.isEmpty() || !target.intersects(backBuffer_.rect()))
        return;
    QPainter painter(&backBuffer_);
    const QImage& scaled = scaledPicture_.At(picture, target.size());
    if (!scaled.isNull()) {
        painter.drawImage(target.topLeft(), scaled);
        return;
    }
    // Far larger than any canvas: draw straight from the picture, clipped to the canvas.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), picture);
}

void CanvasRenderer::DrawRectOutlines(std::initializer_list<QRectF> rects, Qt::PenStyle style)
{
    if (backBuffer_.isNull())
        return;
    QPainter painter(&backBuffer_);
    // One pixel wide, not antialiased; on a scaled display as many whole device pixels as fit
    // into a canvas pixel.
    QPen pen(kForeground, ratio_ < 2.0 ? 0.0 : std::floor(ratio_), style);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& rect : rects)
        painter.drawRect(ratio_ == 1.0 ? rect : QRectF(rect.topLeft() * ratio_, rect.size() * ratio_));
}

void CanvasRenderer::DrawDottedFrame(float x1, float y1, float x2, float y2)
{
    DrawRectOutlines({QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized()}, Qt::DotLine);
}

void CanvasRenderer::DrawSRect(float right, float left, float bottom, float top)
{
    const float midX = (right + left) / 2.0f;
    const float midY = (bottom + top) / 2.0f;
    const auto grip = [](float cx, float cy) {
        return QRectF(cx - kGripHalfSize, cy - kGripHalfSize, 2 * kGripHalfSize, 2 * kGripHalfSize);
    };
    DrawRectOutlines({grip(left, bottom), grip(right, bottom), grip(left, top), grip(right, top),
                      grip(left, midY), grip(right, midY), grip(midX, bottom), grip(midX, top)},
                     Qt::SolidLine);
}

} // namespace quorvane
