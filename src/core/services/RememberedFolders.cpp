#include "core/services/RememberedFolders.h"

#include <QFileInfo>

#include "core/services/SettingsStore.h"

namespace quorvane {

QString RememberedFolder(const SettingsStore& store, const char* name, const QString& fallback)
{
    const QString folder = store.ReadSetting(QString::fromLatin1(name));
    // A folder deleted or unmounted since is forgotten rather than offered.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fallback;
    return folder;
}

void RememberFolder(SettingsStore& store, const char* name, const QString& folder)
{
    if (!folder.isEmpty())
        store.WriteSetting(QString::fromLatin1(name), folder);
}

} // namespace quorvane
