#pragma once

// The document: everything the user makes and nothing about the windows showing it. A
// plain value, copied and compared as a whole. Nothing of it is saved yet.

#include <array>
#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QString>

#include "core/shell/CameraValues.h"
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

    bool operator==(const Document&) const = default;
};

} // namespace quorvane
