// Full canvas redraws as a drag makes them, with a large picture.
#include <benchmark/benchmark.h>

#include "BenchSpread.h"
#include "CanvasFixture.h"

namespace {

using namespace quorvane;

// One redraw per pointer move: the picture moves by a pixel each time (same size).
void DrawImageMove(benchmark::State& state)
{
    Document doc;
    CanvasPaper paper;
    CanvasRenderer renderer;
    PrepareCanvas(doc, paper, renderer);
    int step = 0;
    for (auto _ : state) {
        const float dx = float(step++ % 100);
        renderer.DrawCanvas(doc, paper, doc.Place.Shifted(dx, 0.0f), Decorations::Frame);
    }
}

// One redraw per pointer move of a resize: the picture's size changes every time.
void DrawImageResize(benchmark::State& state)
{
    Document doc;
    CanvasPaper paper;
    CanvasRenderer renderer;
    PrepareCanvas(doc, paper, renderer);
    int step = 0;
    for (auto _ : state) {
        const int grow = step++ % 200;
        const Placement& p = doc.Place;
        renderer.DrawCanvas(doc, paper, {p.SelX1, p.SelY1, p.SelX2 + float(grow), p.SelY2 + float(grow / 2)},
                            Decorations::None);
    }
}

} // namespace

BENCHMARK(DrawImageMove)->Name("DrawImage/6000x4000")->Unit(benchmark::kMillisecond)->Apply(WithSpread);
BENCHMARK(DrawImageResize)->Name("DrawImage/6000x4000/resize")->Unit(benchmark::kMillisecond)->Apply(WithSpread);
