#pragma once

// quorvane-cli never shows a window, so it must not depend on the environment's display:
// a stale forwarded DISPLAY or an unknown QT_QPA_PLATFORM would otherwise abort the
// toolkit before any command runs.

namespace quorvane::cli {

// Call before the QGuiApplication is made: selects the windowless platform whatever the
// environment says (OpenGL then comes from surfaceless EGL, which gives the same pixels)
// and keeps the toolkit's own warnings off standard error, which carries only the
// program's messages.
void PrepareHeadlessPlatform();

} // namespace quorvane::cli
