#pragma once

// An OpenGL widget drawing the designer's scene: the context the scene asks for, its set-up
// and resizing. Subclasses draw in paintGL while Ready().

#include <QOpenGLWidget>

#include "scene/DesignerScene.h"

namespace quorvane {

class SceneWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit SceneWidget(QWidget* parent);

signals:
    // A message for the user from the renderer ("OpenGL Initialization Failed!", texture
    // scaling), raised after the event that caused it.
    void RendererMessage(const QString& text);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    // Runs once the scene is set up, with the context current.
    virtual void SceneReady() {}

    bool Ready() const { return ready_; }
    DesignerScene& Scene() { return scene_; }

private:
    DesignerScene scene_;
    bool ready_ = false;
};

} // namespace quorvane
