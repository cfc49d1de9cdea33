#pragma once

// The designer's view rendered into an off-screen framebuffer of a given size, for the
// headless tool, the tests and the benchmarks. It draws with the same DesignerScene as the
// dialog's widget.

#include <memory>

#include <QImage>
#include <QSize>
#include <QStringList>

#include "scene/DesignerScene.h"
#include "scene/Framebuffer.h"
#include "scene/OffscreenContext.h"

namespace quorvane {

class OffscreenView {
public:
    explicit OffscreenView(QSize size);
    ~OffscreenView();
    OffscreenView(const OffscreenView&) = delete;
    OffscreenView& operator=(const OffscreenView&) = delete;

    // False when no context or framebuffer could be made; Error() says why.
    bool IsValid() const { return valid_; }
    const QString& Error() const { return error_; }
    // Messages the renderer raised (texture scaling).
    const QStringList& Messages() const { return messages_; }
    QSize Size() const { return size_; }

    void Display(const CameraValues& camera, const Paper& paper);
    FoundCorners CaptureCorners(const CameraValues& camera, const Paper& paper);
    // Prints `page` on the paper of the following frames (see DesignerScene::SetPage).
    void SetPage(const QImage& page);
    // The framebuffer's content now, top row first.
    QImage Grab();

    // Makes the context current with the framebuffer bound, for direct OpenGL work.
    bool MakeCurrent();
    DesignerScene& Scene() { return scene_; }

private:
    QSize size_;
    std::unique_ptr<OffscreenContext> context_;
    std::unique_ptr<Framebuffer> framebuffer_;
    DesignerScene scene_;
    QString error_;
    QStringList messages_;
    bool valid_ = false;
};

} // namespace quorvane
