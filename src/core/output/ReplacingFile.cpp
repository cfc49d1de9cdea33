#include "core/output/ReplacingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "core/services/FileKind.h"

namespace quorvane {

namespace {

constexpr qint64 kBufferBytes = 64 * 1024;
constexpr int kMaxLinkDepth = 40;

QString FollowLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < kMaxLinkDepth && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// The folder's entry for the new name lasts only once the folder itself is synced. Some
// file systems cannot sync a folder; the file is in place either way.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<QString> ReplaceTargetProblem(const QString& path)
{
    return NotAFileReason(FactsOf(path));
}

ReplacingFile::ReplacingFile(QString path)
    : path_(std::move(path))
{
}

ReplacingFile::~ReplacingFile()
{
    close();
}

std::optional<QString> ReplacingFile::Begin()
{
    if (const std::optional<QString> problem = ReplaceTargetProblem(path_))
        return problem;
    target_ = FollowLinks(path_);
    const QFileInfo target(target_);
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target_).constData(), &old) == 0;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = QStringLiteral("%1/.%2.%3")
                         .arg(target.absolutePath(), target.fileName())
                         .arg(QRandomGenerator::global()->generate() % 1000000, 6, 10, QLatin1Char('0'));
        // Mode 0666 less the umask, as for any new file.
        fd_ = ::open(QFile::encodeName(temporary_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            return SystemErrorText(errno);
    }
    if (fd_ < 0)
        return SystemErrorText(EEXIST);
    if (replacing)
        ::fchmod(fd_, old.st_mode & 07777); // the replaced file's permissions carry over
    error_.reset();
    buffer_.clear();
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return std::nullopt;
}

std::optional<QString> ReplacingFile::Commit()
{
    if (fd_ < 0)
        return error_.value_or(SystemErrorText(EBADF));
    if (!error_ && Drain() && ::fsync(fd_) != 0 && errno != EINVAL)
        Fail(errno);
    if (::close(fd_) != 0 && !error_)
        Fail(errno);
    fd_ = -1;
    if (!error_ && ::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        Fail(errno);
    if (error_) {
        ::unlink(QFile::encodeName(temporary_).constData());
        QIODevice::close();
        return error_;
    }
    SyncFolder(QFileInfo(target_).absolutePath());
    QIODevice::close();
    return std::nullopt;
}

void ReplacingFile::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(QFile::encodeName(temporary_).constData());
    }
    QIODevice::close();
}

qint64 ReplacingFile::readData(char*, qint64)
{
    return -1;
}

// After a failed write the rest is taken and dropped: the failure is kept in error_, Commit
// refuses, and an encoder is not made to fail half-way (libpng would print its own error).
qint64 ReplacingFile::writeData(const char* data, qint64 size)
{
    if (fd_ < 0)
        return -1;
    if (error_)
        return size;
    if (buffer_.size() + size > kBufferBytes && !Drain())
        return size;
    if (size >= kBufferBytes) {
        WriteAll(data, size);
        return size;
    }
    buffer_.append(data, size);
    return size;
}

bool ReplacingFile::WriteAll(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            Fail(written < 0 ? errno : ENOSPC);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool ReplacingFile::Drain()
{
    const bool ok = WriteAll(buffer_.constData(), buffer_.size());
    buffer_.clear();
    return ok;
}

void ReplacingFile::Fail(int error)
{
    if (!error_)
        error_ = SystemErrorText(error);
    setErrorString(*error_);
}

} // namespace quorvane
