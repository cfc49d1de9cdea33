#pragma once

// An OpenGL context without a window, for rendering the designer's view into a framebuffer
// object: through the window system when it offers OpenGL (an X display), otherwise on
// Mesa's surfaceless EGL platform, so the headless tool needs no display at all.

#include <memory>

#include <QString>

namespace quorvane {

class OffscreenContext {
public:
    using Function = void (*)();

    virtual ~OffscreenContext() = default;
    virtual bool MakeCurrent() = 0;
    virtual void DoneCurrent() = 0;
    // The address of an OpenGL function for this context; nullptr when unknown.
    virtual Function ProcAddress(const char* name) const = 0;

    // A compatibility-profile context, current on return. nullptr with `error` set when
    // neither way works.
    static std::unique_ptr<OffscreenContext> Create(QString& error);
};

// The two ways; Create tries them in this order.
std::unique_ptr<OffscreenContext> CreateWindowSystemContext();
std::unique_ptr<OffscreenContext> CreateSurfacelessEglContext(QString& error);

} // namespace quorvane
