#include "core/shell/Folders.h"

#include <QDir>
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
    return DataFolderOf(AppFolder, QStringLiteral("Object"));
}

QString DataFolderOf(const QString& AppFolder, const QString& name)
{
    const QString besideProgram = AppFolder + name + QLatin1Char('/');
    if (QDir(besideProgram).exists())
        return besideProgram;
    // The data folder as installed, relative to the folder of the programs.
    const QString installed = QDir::cleanPath(AppFolder + QStringLiteral(QUORVANE_DATA_FROM_BIN "/") + name);
    if (QDir(installed).exists())
        return WithTrailingSeparator(installed);
    return besideProgram;
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
