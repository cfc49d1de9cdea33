#pragma once

#include <QString>

namespace quorvane {

// A folder path with exactly one separator at its end ("/opt/q" -> "/opt/q/", "/" stays).
QString WithTrailingSeparator(const QString& folder);

// AppFolder: the folder of the running program; ObjectFolder: its "Object/" subfolder.
QString AppFolderOf(const QString& programFolder);
QString ObjectFolderOf(const QString& AppFolder);

// The user's documents folder without a trailing separator; "" when unknown.
QString GetDocumentsFolder();

} // namespace quorvane
