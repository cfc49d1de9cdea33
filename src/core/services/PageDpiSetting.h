#pragma once

// The page resolution the user chose last, kept in the settings file as PageDpi: "144",
// "300" or "600". Anything else, a missing value included, reads as 144.

#include <cstdint>

#include "core/services/SettingsStore.h"

namespace quorvane {

inline constexpr char kPageDpi[] = "PageDpi";

int32_t ReadPageDpiSetting(const SettingsStore& store);

// False when the file could not be written or PageDpi is not one of kPageDpis.
bool WritePageDpiSetting(SettingsStore& store, int32_t PageDpi);

} // namespace quorvane
