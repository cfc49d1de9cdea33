#pragma once

// The mapping the user chose last, kept in the settings file as ExactPerspective: "1" for
// the exact mapping, "0" for the bilinear one; anything else reads as bilinear.

#include "core/services/SettingsStore.h"
#include "core/shell/SheetMapping.h"

namespace quorvane {

inline constexpr char kExactPerspective[] = "ExactPerspective";

SheetMapping ReadMappingSetting(const SettingsStore& store);

// False when the file could not be written.
bool WriteMappingSetting(SettingsStore& store, SheetMapping mapping);

} // namespace quorvane
