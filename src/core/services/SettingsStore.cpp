#include "core/services/SettingsStore.h"

#include <sys/stat.h>
#include <utility>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include "core/output/ResultWriter.h"
#include "core/services/FileKind.h"

namespace quorvane {

namespace {

// The toolkit reads the whole file and replaces it on every write: a pipe would block it,
// a device be replaced by a regular file, a huge file fill the memory. Such a file is
// left alone, and the store behaves as if nothing were stored.
bool Usable(const QString& path)
{
    const PathFacts facts = FactsOf(path);
    return facts.kind == FileKind::Missing || (facts.kind == FileKind::Regular && facts.size <= kSettingsFileLimit);
}

} // namespace

// The toolkit's user-scope INI path, worked out without a QSettings, which would read the
// file (and block on a pipe) as soon as it is made.
SettingsStore::SettingsStore()
    : filePath_(QStringLiteral("%1/%2/%3.ini")
                    .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                         QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication)))
{
}

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath))
{
}

QString SettingsStore::ReadSetting(const QString& name) const
{
    if (!Usable(filePath_))
        return {};
    const QSettings settings(filePath_, QSettings::IniFormat);
    const QVariant stored = settings.value(name);
    if (stored.typeId() != QMetaType::QString)
        return {};
    QString text = stored.toString();
    if (text.isEmpty())
        return text;
    // Text written by a C-style writer may carry its terminating zero.
    if (text.front() == QChar(0))
        return {};
    if (text.back() == QChar(0))
        text.chop(1);
    return text;
}

// The toolkit writes a whole new file: the old one's mode is given back to it, and a write
// that takes the file past the limit, after which nothing in it would be read, is undone.
bool SettingsStore::WriteSetting(const QString& name, const QString& text)
{
    if (!Usable(filePath_))
        return false;
    QFile file(filePath_);
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(filePath_).constData(), &old) == 0 && file.open(QIODevice::ReadOnly);
    const QByteArray before = existed ? file.readAll() : QByteArray();
    file.close();
    {
        QSettings settings(filePath_, QSettings::IniFormat);
        settings.setValue(name, text);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    const bool kept = Usable(filePath_);
    if (!kept && !existed)
        file.remove();
    else if (!kept)
        ReplaceFileWith(filePath_, before);
    if (existed)
        ::chmod(QFile::encodeName(filePath_).constData(), old.st_mode & 07777);
    return kept;
}

} // namespace quorvane
