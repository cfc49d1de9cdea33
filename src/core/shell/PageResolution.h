#pragma once

// The resolutions a page is made at. Every one gives an A4 page: 1190 x 1684 pixels at
// 144 dpi (the default), 2480 x 3508 at 300 and 4961 x 7016 at 600; a page for the
// standing sheet alone lies on its side.

#include <cstdint>
#include <optional>

#include <QSize>
#include <QStringView>

namespace quorvane {

inline constexpr int32_t kDefaultPageDpi = 144;
inline constexpr int32_t kPageDpis[] = {144, 300, 600};

// The upright A4 page at PageDpi; no value for a resolution not in kPageDpis.
std::optional<QSize> PortraitPageSize(int32_t PageDpi);

// PageDpi in whole dots per metre, as image files record it (144 dpi: 5669).
int32_t DotsPerMeter(int32_t PageDpi);

// "144", "300" or "600"; no value for any other text.
std::optional<int32_t> PageDpiFromText(QStringView text);

} // namespace quorvane
