#pragma once

// Open Recent: the pictures and layouts opened or saved last, newest first, kept in the
// settings file as one value (a JSON list of absolute paths). A file that is no longer a
// regular file is left out when the list is read, and dropped at the next write.

#include <QString>
#include <QStringList>

namespace quorvane {

class SettingsStore;

inline constexpr char kRecentFiles[] = "RecentFiles";
inline constexpr qsizetype kRecentFilesKept = 10;

// The files kept, newest first, without the vanished ones; none when the value is damaged.
QStringList RecentFiles(const SettingsStore& store);

// Puts `path` first, without an earlier mention of it, and keeps the newest ten. Returns
// false when the settings file could not be written.
bool AddRecentFile(SettingsStore& store, const QString& path);

} // namespace quorvane
