#include "core/shell/Folders.h"

#include <QStandardPaths>

namespace quorvane {

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString AppFolderOf(const QString& programFolder)
{
    return WithTrailingSeparator(programFolder);
}

QString ObjectFolderOf(const QString& AppFolder)
{
    return AppFolder + QStringLiteral("Object/");
}

QString GetDocumentsFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

Folders ProgramFolders(const QString& programFolder)
{
    Folders folders;
    folders.AppFolder = AppFolderOf(programFolder);
    folders.ObjectFolder = ObjectFolderOf(folders.AppFolder);
    folders.SaveFolder = GetDocumentsFolder();
    return folders;
}

} // namespace quorvane
