#include "scene/OffscreenView.h"

#include <GL/gl.h>

#include "scene/ViewCapture.h"

namespace quorvane {

namespace {

// Views larger than this are refused rather than allocated.
constexpr int kLargestSide = 4096;

} // namespace

OffscreenView::OffscreenView(QSize size)
    : size_(size)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > kLargestSide || size.height() > kLargestSide) {
        error_ = QStringLiteral("the view must be 1 to %1 pixels on each side").arg(kLargestSide);
        return;
    }
    context_ = OffscreenContext::Create(error_);
    if (!context_)
        return;
    framebuffer_ = std::make_unique<Framebuffer>(*context_, size);
    if (!framebuffer_->IsComplete()) {
        error_ = QStringLiteral("no OpenGL framebuffer of %1 x %2 pixels").arg(size.width()).arg(size.height());
        return;
    }
    if (!scene_.Initialize([this](const QString& text) { messages_.append(text); })) {
        error_ = kMessageOpenGlFailed;
        return;
    }
    scene_.Resize(size.width(), size.height());
    valid_ = true;
}

OffscreenView::~OffscreenView()
{
    if (context_ && context_->MakeCurrent())
        framebuffer_.reset(); // its objects belong to this context
}

bool OffscreenView::MakeCurrent()
{
    if (!valid_ || !context_->MakeCurrent())
        return false;
    framebuffer_->Bind();
    // Some contexts set the viewport to their (tiny) surface when they are first made
    // current on it; the view always covers the whole framebuffer.
    glViewport(0, 0, size_.width(), size_.height());
    return true;
}

void OffscreenView::Display(const CameraValues& camera, const Paper& paper)
{
    if (MakeCurrent())
        scene_.Display(camera, paper);
}

FoundCorners OffscreenView::CaptureCorners(const CameraValues& camera, const Paper& paper)
{
    if (!MakeCurrent()) {
        FoundCorners none;
        none.fill(kCornerNotFound);
        return none;
    }
    return scene_.CaptureCorners(camera, paper);
}

void OffscreenView::SetPage(const QImage& page)
{
    if (MakeCurrent())
        scene_.SetPage(page);
}

QImage OffscreenView::Grab()
{
    if (!MakeCurrent())
        return {};
    return CaptureBitsToImage(ReadViewPixels());
}

} // namespace quorvane
