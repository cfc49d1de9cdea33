#pragma once

// The document: everything the user makes and nothing about the windows showing it. A
// plain value, copied and compared as a whole. Nothing of it is saved yet.

#include <array>
#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QString>

#include "core/shell/CameraValues.h"
#include "core/shell/PageResolution.h"
#include "core/shell/PageStyle.h"
#include "core/shell/Placement.h"
#include "core/shell/SheetMapping.h"

namespace quorvane {

using Outline = std::array<QPoint, 6>;
using Quad = std::array<QPoint, 4>;

struct Document {
    double PageStyle = kStyleLFold;
    CameraValues Camera;        // the camera of the designer's last OK
    Outline PaperPoint{};       // the paper's six corners in the captured view, min x and y at 0
    int32_t PaperWidth = 0;     // largest x among PaperPoint
    int32_t PaperHeight = 0;    // largest y among PaperPoint
    QString PictureFile;        // where the picture was loaded from; empty for a drawn one
    QImage PictureImage;
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;
    // The picture's place on the paper: its rectangle on a canvas where the paper was fitted
    // as PlaceOutline. A canvas of another size derives its own rectangle from these
    // (PlacementOnCanvas), so resizing the window never changes them.
    Placement Place;
    Outline PlaceOutline{};
    SheetMapping Mapping = SheetMapping::Bilinear; // how each sheet's pass maps the page
    int32_t PageDpi = kDefaultPageDpi; // the resolution the page is made at: one of kPageDpis

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
