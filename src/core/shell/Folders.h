#pragma once

#include <QString>

namespace quorvane {

// The folders the windows use: where the program and its sample pictures are, and where
// the save dialog opens.
struct Folders {
    QString AppFolder;    // the program's folder, ending in "/"
    QString ObjectFolder; // AppFolder + "Object/"
    QString SaveFolder;   // offered by the save dialog; follows the last save, also across runs
};

// The folders of the program running from `programFolder`, the documents folder to save into.
Folders ProgramFolders(const QString& programFolder);

// A folder path with exactly one separator at its end ("/opt/q" -> "/opt/q/", "/" stays).
QString WithTrailingSeparator(const QString& folder);

// AppFolder: the folder of the running program, ending in "/".
QString AppFolderOf(const QString& programFolder);

// The folder of the sample pictures, ending in "/": "Object/" beside the program when it
// exists (a program run from the build tree), otherwise the installed data folder
// "share/quorvane/Object/" found relative to the program's folder, so an installed tree
// may be moved as a whole. When neither exists, the one beside the program.
QString ObjectFolderOf(const QString& AppFolder);

// The same rule for any data folder the program ships, such as "help" for the user guide.
QString DataFolderOf(const QString& AppFolder, const QString& name);

// The user's documents folder without a trailing separator; "" when unknown.
QString GetDocumentsFolder();

} // namespace quorvane
