#include "scene/OffscreenContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

namespace quorvane {

namespace {

// A config with 8 bits per colour channel: the first one offered may have 10.
EGLConfig ChooseConfig(EGLDisplay display)
{
    const EGLint wanted[] = {EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                             EGL_DEPTH_SIZE, 16, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                             EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_NONE};
    EGLConfig configs[64];
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted, configs, 64, &count))
        return nullptr;
    for (EGLint i = 0; i < count; ++i) {
        EGLint r = 0, g = 0, b = 0;
        eglGetConfigAttrib(display, configs[i], EGL_RED_SIZE, &r);
        eglGetConfigAttrib(display, configs[i], EGL_GREEN_SIZE, &g);
        eglGetConfigAttrib(display, configs[i], EGL_BLUE_SIZE, &b);
        if (r == 8 && g == 8 && b == 8)
            return configs[i];
    }
    return nullptr;
}

class SurfacelessEglContext final : public OffscreenContext {
public:
    ~SurfacelessEglContext() override
    {
        if (context_ != EGL_NO_CONTEXT) {
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(display_, context_);
        }
        // The display stays initialised: other views of the process share it.
    }

    bool Create(QString& error)
    {
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (getPlatformDisplay != nullptr)
            display_ = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr)) {
            display_ = EGL_NO_DISPLAY;
            error = QStringLiteral("no OpenGL: neither a display nor surfaceless EGL is available");
            return false;
        }
        const EGLConfig config = ChooseConfig(display_);
        const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                     EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
        if (config != nullptr && eglBindAPI(EGL_OPENGL_API))
            context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, attributes);
        if (context_ == EGL_NO_CONTEXT || !MakeCurrent()) {
            error = QStringLiteral("no OpenGL: surfaceless EGL offers no 8-bit compatibility context");
            return false;
        }
        return true;
    }

    bool MakeCurrent() override
    {
        return eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) == EGL_TRUE;
    }
    void DoneCurrent() override { eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT); }
    Function ProcAddress(const char* name) const override { return eglGetProcAddress(name); }

private:
    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
};

} // namespace

std::unique_ptr<OffscreenContext> CreateSurfacelessEglContext(QString& error)
{
    auto context = std::make_unique<SurfacelessEglContext>();
    if (!context->Create(error))
        return nullptr;
    return context;
}

} // namespace quorvane
