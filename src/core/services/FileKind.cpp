#include "core/services/FileKind.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

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

std::optional<QString> OpenRegularFile(QFile& file)
{
    const PathFacts facts = FactsOf(file.fileName());
    if (facts.kind == FileKind::Missing)
        return QStringLiteral("the file does not exist");
    if (const std::optional<QString> reason = NotAFileReason(facts))
        return reason;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return std::nullopt;
}

bool IsSameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace quorvane
