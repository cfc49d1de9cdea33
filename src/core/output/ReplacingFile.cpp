#include "core/output/ReplacingFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "core/output/TemporaryNames.h"
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

// Why the file at `target` may not be replaced although it is a regular file: one the user
// could not write in place stays theirs to keep, and a file with other hard links would
// keep the old content under those.
std::optional<QString> InPlaceProblem(const QByteArray& target, const struct stat& old)
{
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return SystemErrorText(errno);
    if (old.st_nlink > 1)
        return QStringLiteral("it has other hard links, which would keep the old content");
    return std::nullopt;
}

QString FolderProblem(int error)
{
    if (error == EACCES)
        return QStringLiteral("%1 to write in its folder").arg(SystemErrorText(error));
    return SystemErrorText(error);
}

// A name beside the target that the file system takes: the target's name is shortened so
// that the whole stays within NAME_MAX bytes.
QByteArray TemporaryName(const QFileInfo& target)
{
    const QByteArray name = QFile::encodeName(target.fileName()).left(NAME_MAX - 8);
    const QByteArray number = QByteArray::number(QRandomGenerator::global()->generate() % 1000000).rightJustified(6, '0');
    return QFile::encodeName(target.absolutePath()) + "/." + name + "." + number;
}

// Calls `make` with fresh temporary names until it succeeds or fails other than by EEXIST;
// the name is held for removal on a signal from just before `make`. Returns errno or 0.
template <typename Make>
int WithFreshName(const QFileInfo& target, QByteArray& name, Make make)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = TemporaryName(target);
        HoldTemporaryName(name);
        if (make(name.constData()))
            return 0;
        const int error = errno;
        ReleaseTemporaryName(name);
        name.clear();
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

// A file without a name in `folder`, named only at the commit, so that nothing is left
// behind whatever ends the program; -1 where the file system cannot make one.
int OpenUnnamed(const QString& folder)
{
    if (::access("/proc/self/fd", X_OK) != 0) // needed to give it a name
        return -1;
    return ::open(QFile::encodeName(folder).constData(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
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
    if (const std::optional<QString> problem = replacing ? InPlaceProblem(QFile::encodeName(target_), old) : std::nullopt)
        return problem;
    temporary_.clear();
    fd_ = OpenUnnamed(target.absolutePath());
    if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
        return FolderProblem(errno);
    // Mode 0666 less the umask, as for any new file.
    const int error = fd_ >= 0 ? 0 : WithFreshName(target, temporary_, [this](const char* name) {
        fd_ = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd_ >= 0;
    });
    if (error != 0)
        return FolderProblem(error);
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
    if (!error_ && temporary_.isEmpty())
        NameUnnamed();
    if (::close(fd_) != 0 && !error_)
        Fail(errno);
    fd_ = -1;
    if (!error_ && ::rename(temporary_.constData(), QFile::encodeName(target_).constData()) != 0)
        Fail(errno);
    if (error_ && !temporary_.isEmpty())
        ::unlink(temporary_.constData());
    ReleaseTemporaryName(temporary_);
    QIODevice::close();
    if (error_)
        return error_;
    SyncFolder(QFileInfo(target_).absolutePath());
    return std::nullopt;
}

// The unnamed file gets a temporary name beside the target, for the rename over it.
void ReplacingFile::NameUnnamed()
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
    const int error = WithFreshName(QFileInfo(target_), temporary_, [&self](const char* name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    });
    if (error != 0)
        Fail(error);
}

void ReplacingFile::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        if (!temporary_.isEmpty())
            ::unlink(temporary_.constData());
        ReleaseTemporaryName(temporary_);
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
