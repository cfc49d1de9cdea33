#pragma once

// What a path names, following symbolic links, so that callers can refuse folders, devices,
// pipes and sockets before opening them: opening a pipe blocks until a writer comes, and
// reading a device may never end.

#include <optional>

#include <QFile>
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

// Opens `file` for reading when its name is a regular file (behind links too): opening a
// pipe would wait for a writer, forever. Otherwise the reason: "the file does not exist",
// "it is a folder", the system's reason ("Too many levels of symbolic links")...
std::optional<QString> OpenRegularFile(QFile& file);

// Whether two paths name the same file: the same device and inode when both exist (links
// and other names of one file included), otherwise the same absolute path.
bool IsSameFile(const QString& a, const QString& b);

// The system's text for errno `error` ("No space left on device"), without a final period.
QString SystemErrorText(int error);

} // namespace quorvane
