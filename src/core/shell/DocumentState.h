#pragma once

// The one set of values the program edits while it runs: nothing of it is saved.
// The application owns a single DocumentState and hands it to every window by reference.

#include <array>
#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QString>

#include "core/shell/PageStyle.h"

namespace quorvane {

using Outline = std::array<QPoint, 6>;
using Quad = std::array<QPoint, 4>;

struct DocumentState {
    // Application-wide values.
    double PageStyle = kStyleLFold;
    Outline PaperPoint{};       // the paper's six corners in the captured view, min x and y at 0
    int32_t PaperWidth = 0;     // largest x among PaperPoint
    int32_t PaperHeight = 0;    // largest y among PaperPoint
    QString AppFolder;          // the program's folder, ending in "/"
    QString ObjectFolder;       // AppFolder + "Object/"
    QString SaveFolder;         // offered by the save dialog; follows the last save
    int32_t GenProgress = 0;    // percent 0..100
    int32_t GenProgressBase = 0;
    bool GenStop = false;

    // The main window's document fields.
    QImage PictureImage;
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;
    float SelX1 = 0.0f; // placement rectangle: left, top, right, bottom in canvas pixels
    float SelY1 = 0.0f;
    float SelX2 = 0.0f;
    float SelY2 = 0.0f;
    Outline CanvasOutline{}; // PaperPoint fitted into the canvas
    Quad CanvasQuadA{};      // CanvasOutline corners 0, 1, 2, 5: the standing sheet
    Quad CanvasQuadB{};      // CanvasOutline corners 5, 2, 3, 4: the lying sheet
    bool PreviewMode = false;
    bool SelShown = false;   // the eight grips are on the canvas now
    int16_t HitZone = 0;     // 0 none, 1..8 a grip, 9 the inside
};

} // namespace quorvane
