#pragma once

#include <QString>

namespace quorvane {

// The folders the windows use: where the program and its sample pictures are, and where
// the save dialog opens.
struct Folders {
    QString AppFolder;    // the program's folder, ending in "/"
    QString ObjectFolder; // AppFolder + "Object/"
    QString SaveFolder;   // offered by the save dialog; follows the last save
};

// The folders of the program running from `programFolder`, the documents folder to save into.
Folders ProgramFolders(const QString& programFolder);

// A folder path with exactly one separator at its end ("/opt/q" -> "/opt/q/", "/" stays).
QString WithTrailingSeparator(const QString& folder);

// AppFolder: the folder of the running program; ObjectFolder: its "Object/" subfolder.
QString AppFolderOf(const QString& programFolder);
QString ObjectFolderOf(const QString& AppFolder);

// The user's documents folder without a trailing separator; "" when unknown.
QString GetDocumentsFolder();

} // namespace quorvane
