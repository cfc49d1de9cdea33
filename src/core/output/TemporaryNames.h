#pragma once

// Names of temporary files that must not outlive the program. While a name is held, a
// SIGTERM, SIGINT or SIGHUP that would end the program (its action is the default one)
// first removes the file, then ends the program as the signal would have.

#include <QByteArray>

namespace quorvane {

// `path` as the system takes it (encoded). Up to eight names are held at once; beyond
// that, or for a path over PATH_MAX, the name is not held.
void HoldTemporaryName(const QByteArray& path);
void ReleaseTemporaryName(const QByteArray& path);

} // namespace quorvane
