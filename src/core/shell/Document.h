#pragma once

// The document: everything the user makes and nothing about the windows showing it. A
// plain value, copied and compared as a whole; layout files save and open it.

#include <cstdint>

#include <QImage>
#include <QString>

#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"
#include "core/shell/PaperOutline.h"
#include "core/shell/Placement.h"
#include "core/shell/SheetMapping.h"

namespace quorvane {

struct Document {
    quorvane::Paper Paper;
    PaperOutline Outline = quorvane::Paper{}.DefaultOutline();
    QString PictureFile; // where the picture was loaded from; empty for a drawn one
    QImage PictureImage;
    // The picture's place on the paper: its rectangle on a canvas where the paper was fitted
    // as PlaceOutline. A canvas of another size derives its own rectangle from these
    // (PlacementOnCanvas), so resizing the window never changes them.
    Placement Place;
    quorvane::Outline PlaceOutline{};
    SheetMapping Mapping = SheetMapping::Bilinear; // how each sheet's pass maps the page
    int32_t PageDpi = kDefaultPageDpi; // the resolution the page is made at: one of kPageDpis

    // The camera of the designer's last OK (the creation camera before the first).
    const CameraValues& Camera() const { return Outline.Camera; }

    bool operator==(const Document&) const = default;
};

// The mapping and the page resolution are settings of the program rather than steps of the
// work: a document brought back by undo or redo takes them from the one it replaces. (An
// opened layout brings its own, and they become the program's.)
inline void ReplaceKeepingSettings(Document& doc, const Document& replacement)
{
    const SheetMapping Mapping = doc.Mapping;
    const int32_t PageDpi = doc.PageDpi;
    doc = replacement;
    doc.Mapping = Mapping;
    doc.PageDpi = PageDpi;
}

} // namespace quorvane
