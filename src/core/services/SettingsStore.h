#pragma once

// The program's one persistent store: an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Tarnwick/Quorvane.ini, ~/.config when the variable is unset).
// Every failure is silent: a value that cannot be read reads as "", a failed write
// leaves the file as it was. A settings path that is not a regular file (a pipe, a
// device, a folder, also behind a link), or a file over kSettingsFileLimit bytes, counts
// as damaged: it is never opened nor replaced, and reads as if nothing were stored.

#include <QString>

namespace quorvane {

inline constexpr char kSettingsOrganisation[] = "Tarnwick";
inline constexpr char kSettingsApplication[] = "Quorvane";
// The date on which the program last asked about a newer version.
inline constexpr char kLastCheckUpdate[] = "LastCheckUpdate";
// The largest settings file read; the program stores a few short values.
inline constexpr qint64 kSettingsFileLimit = 1024 * 1024;

class SettingsStore {
public:
    // The current user's file of organisation "Tarnwick", application "Quorvane".
    SettingsStore();
    // A store kept in the given file.
    explicit SettingsStore(QString filePath);

    const QString& FilePath() const { return filePath_; }

    // The named value as text: "" when the file or value is missing, unreadable, not a
    // single text, or starts with a zero character; one trailing zero character is dropped.
    QString ReadSetting(const QString& name) const;

    // Writes the named value, creating the folder and file when needed. Returns false
    // when the file could not be written or is damaged (see above).
    bool WriteSetting(const QString& name, const QString& text);

private:
    QString filePath_;
};

} // namespace quorvane
