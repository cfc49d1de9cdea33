#pragma once

// What a path names, following symbolic links, so that callers can refuse folders, devices,
// pipes and sockets before opening them: opening a pipe blocks until a writer comes, and
// reading a device may never end.

#include <optional>

#include <QString>

namespace quorvane {

enum class FileKind { Missing, Regular, Folder, Device, Pipe, Socket, Unreachable };

struct PathFacts {
    FileKind kind = FileKind::Missing;
    qint64 size = 0;  // bytes, for a regular file
    QString reason;   // for Unreachable: why the path cannot be looked at (from the system)
};

// Follows links; a link to nothing is Missing.
PathFacts FactsOf(const QString& path);

// "it is a folder", "it is a device, not a file", ...: why a path of this kind cannot be
// read or written as a file; nullopt for Missing and Regular.
std::optional<QString> NotAFileReason(const PathFacts& facts);

// The system's text for errno `error` ("No space left on device"), without a final period.
QString SystemErrorText(int error);

} // namespace quorvane
