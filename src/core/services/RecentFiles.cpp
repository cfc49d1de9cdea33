#include "core/services/RecentFiles.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "core/services/SettingsStore.h"

namespace quorvane {

QStringList RecentFiles(const SettingsStore& store)
{
    const QJsonDocument stored = QJsonDocument::fromJson(store.ReadSetting(QString::fromLatin1(kRecentFiles)).toUtf8());
    QStringList files;
    for (const QJsonValue& value : stored.array()) {
        const QString path = value.toString();
        if (!path.isEmpty() && QFileInfo(path).isFile() && !files.contains(path) && files.size() < kRecentFilesKept)
            files.append(path);
    }
    return files;
}

bool AddRecentFile(SettingsStore& store, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles(store);
    files.removeAll(absolute);
    files.prepend(absolute);
    const QStringList kept = files.mid(0, kRecentFilesKept);
    const QByteArray json = QJsonDocument(QJsonArray::fromStringList(kept)).toJson(QJsonDocument::Compact);
    return store.WriteSetting(QString::fromLatin1(kRecentFiles), QString::fromUtf8(json));
}

} // namespace quorvane
