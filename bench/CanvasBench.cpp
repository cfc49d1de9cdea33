// Full canvas redraws as a drag makes them, with a large picture.
#include <benchmark/benchmark.h>

#include <QPainter>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"

namespace {

using namespace quorvane;

QImage LargePicture()
{
    QImage picture(6000, 4000, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(QColor(40, 140, 60));
    painter.drawEllipse(QRect(500, 300, 5000, 3400));
    return picture;
}

// One redraw per pointer move: the picture moves by a pixel each time (same size).
void DrawImageMove(benchmark::State& state)
{
    DocumentState doc;
    SetDefaultPaper(doc);
    SetPicture(doc, LargePicture().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    CanvasRenderer renderer;
    renderer.Resize(QSize(853, 480));
    ResetPaper(doc, QSizeF(853, 480), false);
    ApplyDefaultPlacement(doc, QSizeF(853, 480));
    int step = 0;
    for (auto _ : state) {
        const int dx = step++ % 100;
        renderer.DrawImage(doc, int(doc.SelX1) + dx, int(doc.SelY1), int(doc.SelX2) + dx, int(doc.SelY2));
        renderer.DrawDottedFrame(doc.SelX1 + dx, doc.SelY1, doc.SelX2 + dx, doc.SelY2);
    }
}

// One redraw per pointer move of a resize: the picture's size changes every time.
void DrawImageResize(benchmark::State& state)
{
    DocumentState doc;
    SetDefaultPaper(doc);
    SetPicture(doc, LargePicture().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    CanvasRenderer renderer;
    renderer.Resize(QSize(853, 480));
    ResetPaper(doc, QSizeF(853, 480), false);
    ApplyDefaultPlacement(doc, QSizeF(853, 480));
    int step = 0;
    for (auto _ : state) {
        const int grow = step++ % 200;
        renderer.DrawImage(doc, int(doc.SelX1), int(doc.SelY1), int(doc.SelX2) + grow, int(doc.SelY2) + grow / 2);
    }
}

} // namespace

BENCHMARK(DrawImageMove)->Name("DrawImage/6000x4000")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(DrawImageResize)->Name("DrawImage/6000x4000/resize")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
