#pragma once

// The canvas the benchmarks draw on: the default paper on an 853 x 480 canvas with a
// 6000 x 4000 picture placed by the default rule.

#include <QImage>
#include <QPainter>
#include <QSize>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

inline constexpr QSize kBenchCanvas(853, 480);

inline QImage LargePicture()
{
    QImage picture(6000, 4000, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(QColor(40, 140, 60));
    painter.drawEllipse(QRect(500, 300, 5000, 3400));
    return picture;
}

inline void PrepareCanvas(Document& doc, CanvasPaper& paper, CanvasRenderer& renderer)
{
    doc.PictureImage = LargePicture().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    renderer.Resize(kBenchCanvas);
    ResetPaper(doc, paper, QSizeF(kBenchCanvas), false);
    ApplyDefaultPlacement(doc, paper, QSizeF(kBenchCanvas));
}

} // namespace quorvane
