#pragma once

// The three page drivers: each composes the placed picture on a white canvas cut to the
// sheet outline, re-projects each sheet of the outline onto an upright rectangle at
// twice the canvas resolution, and reduces the results into the page image.

#include <functional>
#include <optional>

#include <QImage>

#include "core/generation/GenControl.h"
#include "core/generation/TransBitmap.h"
#include "core/shell/CanvasPaper.h"

namespace quorvane {

enum class GenerateStatus {
    Done,
    Stopped,  // GenStop was set during the run: no page
    DibError, // the outline gives no canvas within the budget (or the resolution is not
              // one of kPageDpis): no pass ran
    NoMemory, // the canvas or the page could not be allocated: no pass ran
    TooLarge, // the page is longer than kMaxPageSide at doc.PageDpi (PageFitProblem): nothing ran
};

struct GenerateResult {
    GenerateStatus status = GenerateStatus::DibError;
    QImage page; // the page at doc.PageDpi (Paper::PageSize) when Done; else null
};

// Told on the calling thread, while the page is made, that its first `rows` rows are final:
// nothing later in the run changes them, so they can be written out while the generation's
// threads still make the rows below. `page` is the page being made.
using PageRowsFinal = std::function<void(const QImage& page, int32_t rows)>;

// Both sheets of the L-folded paper, one above the other: outline points 0, 1, 2, 5 and 5, 2, 3, 4.
GenerateResult GenerateBothSheets(const Document& doc, const CanvasPaper& paper, GenControl& control,
                                  const RowCallback& afterRow);
// The lying sheet alone: outline points 5, 2, 3, 4.
GenerateResult GenerateSheetB(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow);
// The standing sheet alone, on a landscape page: outline points 0, 1, 2, 5.
GenerateResult GenerateSheetA(const Document& doc, const CanvasPaper& paper, GenControl& control,
                              const RowCallback& afterRow);

// The driver of the document's page style; no value when the style selects none. A page too
// large at the document's resolution is refused before anything is composed. `rowsFinal`,
// when given, follows the page's rows as they become final, the last call with the page's
// height once the page is done.
std::optional<GenerateResult> GenerateForPageStyle(const Document& doc, const CanvasPaper& paper,
                                                   GenControl& control, const RowCallback& afterRow,
                                                   const PageRowsFinal& rowsFinal = {});

} // namespace quorvane
