#pragma once

// The resolutions a page is made at; the paper (Paper::PageSize) gives the page's pixels at
// each.

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace quorvane {

inline constexpr int32_t kDefaultPageDpi = 144;
inline constexpr int32_t kPageDpis[] = {kDefaultPageDpi, 300, 600};

// PageDpi in whole dots per metre, as image files record it (the default: 5669).
int32_t DotsPerMeter(int32_t PageDpi);

// One of kPageDpis as text; no value for any other text.
std::optional<int32_t> PageDpiFromText(QStringView text);

// The resolutions for a message or a usage line, `separator` between them and `last` before
// the last one.
QString PageDpiList(const QString& separator, const QString& last);

} // namespace quorvane
