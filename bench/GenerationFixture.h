#pragma once

// The program's start-up geometry for the generation benchmarks: default paper on an
// 853 x 480 canvas, the sample picture (or one of its size drawn here) at its default
// placement, so the doubled source is 2380 x 2142; and the transform of the lying sheet's
// pass on it.

#include <optional>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "core/editor/PaperFitting.h"
#include "core/generation/SheetGeometry.h"
#include "core/shell/CanvasPaper.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"

namespace quorvane {

inline QImage SamplePicture()
{
    const LoadedPicture sample = LoadPicture(QCoreApplication::applicationDirPath()
                                             + QStringLiteral("/Object/tyrannosaurus.png"));
    if (!sample.image.isNull())
        return sample.image;
    QImage drawn(1000, 720, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(104, 132, 56));
    painter.drawEllipse(QRect(100, 150, 800, 420));
    return drawn;
}

struct StartUp {
    Document doc;
    CanvasPaper paper;
    GenControl control;

    StartUp()
    {
        const QSizeF canvas(853, 480);
        ResetPaper(doc, paper, canvas, false);
        doc.PictureImage = SamplePicture();
        ApplyDefaultPlacement(doc, paper, canvas);
    }
};

// The lying sheet's pass (outline points 5, 2, 3, 4) of the start-up document, ready to run;
// no value when the geometry gives no canvas.
inline std::optional<TransformState> LyingSheetTransform(StartUp& start)
{
    const DriverLayout& layout = *DriverLayoutOf(Paper{});
    const auto geometry = ComputeSheetGeometry(layout, start.paper.CanvasOutline);
    auto gen = geometry ? ComposeTransform(start.doc.PictureImage, PlacementOnCanvas(start.doc, start.paper), *geometry) : std::nullopt;
    if (!gen)
        return std::nullopt;
    SetPassQuad(*gen, layout.passes[1], *geometry);
    start.control.GenProgressBase = layout.passes[1].GenProgressBase;
    return gen;
}

} // namespace quorvane
