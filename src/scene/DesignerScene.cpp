#include "scene/DesignerScene.h"

#include "scene/PaperTextures.h"
#include "scene/ViewCapture.h"

namespace quorvane {

DesignerScene::DesignerScene()
{
    gl_.OnDisplay = [this] { drawing_.GL_OnDisplay(state_, gl_); };
}

bool DesignerScene::Initialize(const MessageSink& message)
{
    state_.PageTexture = 0; // a name of the context before, if any: it may name another object here
    if (!gl_.Initialize(SceneAppearance{}, message))
        return false;
    SceneDrawing::PrepareState();
    return true;
}

void DesignerScene::Resize(int width, int height)
{
    size_ = QSize(width, height);
    gl_.OnSize(width, height);
}

void DesignerScene::Display(const CameraValues& camera, const Paper& paper)
{
    TakeCamera(camera, paper);
    gl_.Display();
}

FoundCorners DesignerScene::CaptureCorners(const CameraValues& camera, const Paper& paper)
{
    TakeCamera(camera, paper);
    state_.MarkerMode = true;
    gl_.Display();
    const CaptureBits bits = ReadViewPixels();
    state_.MarkerMode = false;
    return ScanCorners(bits);
}

FoundCorners DesignerScene::CaptureCornersAt(QSize size, const CameraValues& camera, const Paper& paper)
{
    gl_.OnSize(size.width(), size.height());
    const FoundCorners found = CaptureCorners(camera, paper);
    gl_.OnSize(size_.width(), size_.height());
    return found;
}

void DesignerScene::SetPage(const QImage& page)
{
    if (state_.PageTexture == 0 && page.isNull())
        return;
    if (state_.PageTexture == 0)
        glGenTextures(1, &state_.PageTexture);
    if (!UploadPageTexture(state_.PageTexture, page)) {
        glDeleteTextures(1, &state_.PageTexture);
        state_.PageTexture = 0;
    }
}

QPointF DesignerScene::Project(const CameraValues& camera, const Paper& paper, const ScenePoint& point)
{
    TakeCamera(camera, paper);
    return drawing_.Project(state_, point);
}

void DesignerScene::TakeCamera(const CameraValues& camera, const Paper& paper)
{
    state_.camera = camera;
    state_.paper = paper;
    if (gl_.FieldOfView != camera.FieldOfView) {
        gl_.FieldOfView = camera.FieldOfView;
        gl_.SetViewPort();
    }
}

} // namespace quorvane
