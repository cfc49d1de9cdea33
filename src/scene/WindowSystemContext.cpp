#include "scene/OffscreenContext.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "scene/DesignerSurfaceFormat.h"

namespace quorvane {

namespace {

// The offscreen platform has OpenGL only through an X display; without one, asking it
// merely prints warnings.
bool WindowSystemHasOpenGl()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    return QGuiApplication::platformName() != QStringLiteral("offscreen")
           || !qEnvironmentVariableIsEmpty("DISPLAY");
}

class WindowSystemContext final : public OffscreenContext {
public:
    bool Create()
    {
        context_.setFormat(DesignerSurfaceFormat());
        if (!context_.create())
            return false;
        surface_.setFormat(context_.format());
        surface_.create();
        return surface_.isValid() && MakeCurrent();
    }

    bool MakeCurrent() override { return context_.makeCurrent(&surface_); }
    void DoneCurrent() override { context_.doneCurrent(); }
    Function ProcAddress(const char* name) const override { return context_.getProcAddress(name); }

private:
    QOpenGLContext context_;
    QOffscreenSurface surface_;
};

} // namespace

std::unique_ptr<OffscreenContext> CreateWindowSystemContext()
{
    if (!WindowSystemHasOpenGl())
        return nullptr;
    auto context = std::make_unique<WindowSystemContext>();
    if (!context->Create())
        return nullptr;
    return context;
}

std::unique_ptr<OffscreenContext> OffscreenContext::Create(QString& error)
{
    if (std::unique_ptr<OffscreenContext> context = CreateWindowSystemContext())
        return context;
    return CreateSurfacelessEglContext(error);
}

} // namespace quorvane
