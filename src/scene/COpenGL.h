#pragma once

// The designer's renderer: fixed-function OpenGL state, lights, projection and the frame
// cycle on whatever context is current (a widget's, or an off-screen one). Its owner
// draws the scene in OnDisplay.

#include <array>
#include <functional>

#include <GL/gl.h>
#include <QString>

namespace quorvane {

inline const QString kMessageOpenGlFailed = QStringLiteral("OpenGL Initialization Failed!");

struct SceneAppearance {
    std::array<double, 3> ClearColor{1.0, 1.0, 1.0};
    double AmbientLevel = 0.6; // ambient intensity of light 0
    std::array<double, 3> OutlineColor{0.3, 0.3, 0.3};
    double OutlineWidth = 1.0; // pixels
};

using MessageSink = std::function<void(const QString&)>;

class COpenGL {
public:
    double FieldOfView = 15.0; // vertical, degrees; takes effect at the next SetViewPort
    std::function<void()> OnDisplay;

    // Sets up the context that is current now: clear values, depth test, colour material,
    // the two lights and the paper textures. False when no context is current. Messages
    // about the textures go to `message`.
    bool Initialize(const SceneAppearance& appearance, const MessageSink& message);

    // Draws one frame: clears, raises OnDisplay with the model-view matrix saved, and waits
    // until drawing has finished. A call from inside OnDisplay does nothing.
    void Display();

    // A view of width x height pixels (a height of 0 counts as 1).
    void OnSize(int width, int height);
    // Rebuilds the perspective from FieldOfView and the view's aspect.
    void SetViewPort();

    const SceneAppearance& Appearance() const { return appearance_; }
    GLuint PaperTexture1() const { return paperTextures_[0]; }
    GLuint PaperTexture2() const { return paperTextures_[1]; }

private:
    void SetLights() const;

    SceneAppearance appearance_;
    std::array<GLuint, 2> paperTextures_{};
    double nearPlane_ = 0.5;
    double farPlane_ = 10000.0;
    double aspect_ = 1.0;
    bool inDisplay_ = false;
};

} // namespace quorvane
