#include "app/output/CheckView.h"

#include <cmath>

#include <QMouseEvent>
#include <QWheelEvent>

#include "core/designer/OrbitCamera.h"

namespace quorvane {

namespace {

constexpr double kDegreesPerPixel = 0.3;
constexpr double kZoomPerNotch = 0.9; // one wheel notch forward brings the eye 10 % nearer

} // namespace

CheckView::CheckView(const QImage& page, const Paper& paper, const CameraValues& camera, QWidget* parent)
    : SceneWidget(parent)
    , page_(page)
    , paper_(paper)
    , camera_(camera)
{
    setObjectName(QStringLiteral("CheckView"));
}

void CheckView::SetCamera(const CameraValues& camera)
{
    camera_ = camera;
    update();
}

void CheckView::SceneReady()
{
    Scene().SetPage(page_);
}

void CheckView::paintGL()
{
    if (Ready())
        Scene().Display(camera_, paper_);
}

void CheckView::mousePressEvent(QMouseEvent* event)
{
    lastMouse_ = event->position();
}

void CheckView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF moved = event->position() - lastMouse_;
    lastMouse_ = event->position();
    SetCamera(OrbitCamera(camera_, paper_, moved.x() * kDegreesPerPixel, moved.y() * kDegreesPerPixel));
}

void CheckView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        SetCamera(ZoomCamera(camera_, paper_, std::pow(kZoomPerNotch, notches)));
    event->accept();
}

} // namespace quorvane
