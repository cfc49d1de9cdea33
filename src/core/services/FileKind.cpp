#include "core/services/FileKind.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <QFile>

namespace quorvane {

PathFacts FactsOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return {FileKind::Missing, 0, {}};
        return {FileKind::Unreachable, 0, SystemErrorText(errno)};
    }
    if (S_ISREG(st.st_mode))
        return {FileKind::Regular, qint64(st.st_size), {}};
    if (S_ISDIR(st.st_mode))
        return {FileKind::Folder, 0, {}};
    if (S_ISFIFO(st.st_mode))
        return {FileKind::Pipe, 0, {}};
    if (S_ISSOCK(st.st_mode))
        return {FileKind::Socket, 0, {}};
    return {FileKind::Device, 0, {}};
}

std::optional<QString> NotAFileReason(const PathFacts& facts)
{
    switch (facts.kind) {
    case FileKind::Missing:
    case FileKind::Regular:
        return std::nullopt;
    case FileKind::Folder:
        return QStringLiteral("it is a folder");
    case FileKind::Device:
        return QStringLiteral("it is a device, not a file");
    case FileKind::Pipe:
        return QStringLiteral("it is a pipe, not a file");
    case FileKind::Socket:
        return QStringLiteral("it is a socket, not a file");
    case FileKind::Unreachable:
        break;
    }
    return facts.reason;
}

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace quorvane
