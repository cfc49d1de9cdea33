#include "cli/HeadlessPlatform.h"

#include <cstdio>

#include <QString>

namespace quorvane::cli {

namespace {

// Fatal messages still end the program with their text; the rest (a missing
// XDG_RUNTIME_DIR, decoder warnings) are the toolkit's business, not the user's.
void KeepOnlyFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "quorvane-cli: %s\n", qUtf8Printable(text));
}

} // namespace

void PrepareHeadlessPlatform()
{
    qInstallMessageHandler(KeepOnlyFatalMessages);
    // The minimal platform is the fallback should the offscreen one be missing.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen;minimal"));
    // With a display named, the offscreen platform would reach for it for OpenGL.
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
}

} // namespace quorvane::cli
