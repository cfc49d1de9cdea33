#include "scene/Framebuffer.h"

namespace quorvane {

namespace {

template <typename F>
bool Load(const OffscreenContext& context, const char* name, F& function)
{
    function = reinterpret_cast<F>(context.ProcAddress(name));
    return function != nullptr;
}

} // namespace

Framebuffer::Framebuffer(const OffscreenContext& context, QSize size)
{
    loaded_ = LoadFunctions(context);
    if (!loaded_ || size.isEmpty())
        return;
    genFramebuffers_(1, &framebuffer_);
    bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
    genRenderbuffers_(1, &colour_);
    bindRenderbuffer_(GL_RENDERBUFFER, colour_);
    renderbufferStorage_(GL_RENDERBUFFER, GL_RGB8, size.width(), size.height());
    framebufferRenderbuffer_(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    genRenderbuffers_(1, &depthStencil_);
    bindRenderbuffer_(GL_RENDERBUFFER, depthStencil_);
    renderbufferStorage_(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, size.width(), size.height());
    framebufferRenderbuffer_(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil_);
    complete_ = checkFramebufferStatus_(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

Framebuffer::~Framebuffer()
{
    if (!loaded_)
        return;
    bindFramebuffer_(GL_FRAMEBUFFER, 0);
    deleteFramebuffers_(1, &framebuffer_);
    const GLuint renderbuffers[] = {colour_, depthStencil_};
    deleteRenderbuffers_(2, renderbuffers);
}

void Framebuffer::Bind() const
{
    if (loaded_)
        bindFramebuffer_(GL_FRAMEBUFFER, framebuffer_);
}

bool Framebuffer::LoadFunctions(const OffscreenContext& context)
{
    return Load(context, "glGenFramebuffers", genFramebuffers_)
           && Load(context, "glDeleteFramebuffers", deleteFramebuffers_)
           && Load(context, "glBindFramebuffer", bindFramebuffer_)
           && Load(context, "glGenRenderbuffers", genRenderbuffers_)
           && Load(context, "glDeleteRenderbuffers", deleteRenderbuffers_)
           && Load(context, "glBindRenderbuffer", bindRenderbuffer_)
           && Load(context, "glRenderbufferStorage", renderbufferStorage_)
           && Load(context, "glFramebufferRenderbuffer", framebufferRenderbuffer_)
           && Load(context, "glCheckFramebufferStatus", checkFramebufferStatus_);
}

} // namespace quorvane
