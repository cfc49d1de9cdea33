// Full canvas redraws as a drag makes them, with a large picture.
#include <benchmark/benchmark.h>

#include "CanvasFixture.h"

namespace {

using namespace quorvane;

// One redraw per pointer move: the picture moves by a pixel each time (same size).
void DrawImageMove(benchmark::State& state)
{
    DocumentState doc;
    CanvasRenderer renderer;
    PrepareCanvas(doc, renderer);
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
    CanvasRenderer renderer;
    PrepareCanvas(doc, renderer);
    int step = 0;
    for (auto _ : state) {
        const int grow = step++ % 200;
        renderer.DrawImage(doc, int(doc.SelX1), int(doc.SelY1), int(doc.SelX2) + grow, int(doc.SelY2) + grow / 2);
    }
}

} // namespace

BENCHMARK(DrawImageMove)->Name("DrawImage/6000x4000")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(DrawImageResize)->Name("DrawImage/6000x4000/resize")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
