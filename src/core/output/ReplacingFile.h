#pragma once

// A file written beside its target and renamed over it only once every byte is on the
// disk: the data is flushed and synced before the rename and the folder synced after, so
// neither a failed write (a full disk) nor a crash leaves a damaged or empty file where
// the old one was. Where the file system allows it the new file has no name until the
// commit, so nothing is left behind whatever ends the program; elsewhere its temporary
// name is removed on SIGTERM, SIGINT and SIGHUP (TemporaryNames). A symbolic link is
// followed: the file it points to is replaced and the link stays, and the replaced file's
// mode carries over. Refused and left alone: a target that is not a regular file (folder,
// device, pipe, socket), one the user could not write in place, and one with other hard
// links.

#include <optional>

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace quorvane {

class ReplacingFile final : public QIODevice {
public:
    explicit ReplacingFile(QString path);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file. Returns the reason when it cannot.
    std::optional<QString> Begin();
    // The reason the first failed write failed; nullopt while every write succeeded. Writes
    // after a failure are taken and dropped, so check this (or Commit's answer), not what
    // write() returns.
    const std::optional<QString>& WriteError() const { return error_; }
    // Makes the written bytes the target's content. Returns the reason when it fails; the
    // temporary file is then gone and the target as it was.
    std::optional<QString> Commit();
    // Drops the temporary file; the target stays as it was.
    void close() override;
    // Written front to back only.
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool WriteAll(const char* data, qint64 size);
    bool Drain();
    void Fail(int error);
    void NameUnnamed();

    QString path_;
    QString target_; // path_ with its links followed
    QByteArray temporary_; // encoded; empty while the file has no name
    int fd_ = -1;
    QByteArray buffer_;
    std::optional<QString> error_;
};

// Why `path` cannot be replaced by a regular file (it is a folder, a device, a pipe or a
// socket, itself or behind links, or cannot be looked at); nullopt when it can.
std::optional<QString> ReplaceTargetProblem(const QString& path);

} // namespace quorvane
