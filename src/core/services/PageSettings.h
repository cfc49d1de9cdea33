#pragma once

// How Generate makes the page, as the user chose it last, kept in the settings file:
// - ExactPerspective: "1" for the exact mapping, "0" for the bilinear one; anything else
//   reads as bilinear.
// - PageDpi: one of kPageDpis; anything else, a missing value included, reads as the default.
// - PaperFormat: a format's name ("a4", "letter", "a3"); anything else reads as the default.
// - PageMarks: "1" to draw fold ticks and a scale bar on the page; anything else reads as off.
// - SetupSheet: "1" to add the setup sheet to a page saved as PDF; anything else reads as off.

#include <cstdint>

#include "core/services/SettingsStore.h"
#include "core/shell/Paper.h"
#include "core/shell/SheetMapping.h"

namespace quorvane {

inline constexpr char kExactPerspective[] = "ExactPerspective";
inline constexpr char kPageDpi[] = "PageDpi";
inline constexpr char kPaperFormat[] = "PaperFormat";
inline constexpr char kPageMarks[] = "PageMarks";
inline constexpr char kSetupSheet[] = "SetupSheet";

SheetMapping ReadMappingSetting(const SettingsStore& store);
int32_t ReadPageDpiSetting(const SettingsStore& store);
PaperFormat ReadPaperFormatSetting(const SettingsStore& store);
// PageMarks or SetupSheet.
bool ReadSwitchSetting(const SettingsStore& store, const char* key);

// False when the file could not be written (or PageDpi is not one of kPageDpis).
bool WriteMappingSetting(SettingsStore& store, SheetMapping mapping);
bool WritePageDpiSetting(SettingsStore& store, int32_t PageDpi);
bool WritePaperFormatSetting(SettingsStore& store, PaperFormat format);
bool WriteSwitchSetting(SettingsStore& store, const char* key, bool on);

} // namespace quorvane
