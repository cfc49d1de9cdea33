#include "core/shell/DefaultPaper.h"

#include <algorithm>

namespace quorvane {

void SetDefaultPaper(Document& doc)
{
    SetPaper(doc, kDefaultPaperPoint);
}

void SetPaper(Document& doc, const Outline& corners)
{
    doc.PaperPoint = corners;
    doc.PaperWidth = 0;
    doc.PaperHeight = 0;
    for (const QPoint& p : corners) {
        doc.PaperWidth = std::max(doc.PaperWidth, p.x());
        doc.PaperHeight = std::max(doc.PaperHeight, p.y());
    }
}

} // namespace quorvane
