#pragma once

// The folders the Open and Save dialogs last used, kept in the settings file between runs.

#include <QString>

namespace quorvane {

class SettingsStore;

inline constexpr char kLastOpenFolder[] = "LastOpenFolder";
inline constexpr char kLastSaveFolder[] = "LastSaveFolder";

// The folder stored under `name` when it still exists; otherwise `fallback`.
QString RememberedFolder(const SettingsStore& store, const char* name, const QString& fallback);

// Stores `folder` under `name`. An empty folder is not stored.
void RememberFolder(SettingsStore& store, const char* name, const QString& folder);

} // namespace quorvane
