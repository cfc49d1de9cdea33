#pragma once

// A framebuffer object of a given size (8-bit RGB colour, 24-bit depth, 8-bit stencil),
// made on an off-screen context through that context's own function addresses.

#include <GL/gl.h>
#include <GL/glext.h>
#include <QSize>

#include "scene/OffscreenContext.h"

namespace quorvane {

class Framebuffer {
public:
    // The context must be current; the framebuffer is bound for drawing and reading.
    Framebuffer(const OffscreenContext& context, QSize size);
    // The context must be current.
    ~Framebuffer();
    Framebuffer(const Framebuffer&) = delete;
    Framebuffer& operator=(const Framebuffer&) = delete;

    bool IsComplete() const { return complete_; }
    void Bind() const;

private:
    bool LoadFunctions(const OffscreenContext& context);

    PFNGLGENFRAMEBUFFERSPROC genFramebuffers_ = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers_ = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer_ = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers_ = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers_ = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer_ = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage_ = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer_ = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus_ = nullptr;
    bool loaded_ = false;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depthStencil_ = 0;
    bool complete_ = false;
};

} // namespace quorvane
