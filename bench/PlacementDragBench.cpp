// Whole drags through the placement editor: each iteration is one press, 200 pointer moves
// (each a full canvas redraw) and the release. The counter ms_per_move is the median time of
// one move within a drag; the target is at most 4 ms so a drag follows the pointer.
#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

#include "CanvasFixture.h"
#include "core/editor/PlacementEditor.h"

namespace {

using namespace quorvane;

constexpr int kMovesPerDrag = 200;

double MedianMilliseconds(std::vector<double>& samples)
{
    const auto middle = samples.begin() + std::ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

struct DragRig {
    DragRig() { PrepareCanvas(doc, paper, renderer); }

    // Drags from `from` along the points step(0..199), then puts the placement back.
    template <typename Step>
    void Run(benchmark::State& state, QPointF from, Step step)
    {
        const Document start = doc;
        const QSizeF canvas(kBenchCanvas);
        std::vector<double> moveMs(kMovesPerDrag);
        double medianSum = 0.0;
        for (auto _ : state) {
            editor.Move(MouseButtons::None, float(from.x()), float(from.y()), canvas);
            editor.Press(MouseButtons::Left, float(from.x()), float(from.y()));
            for (int i = 0; i < kMovesPerDrag; ++i) {
                const QPointF to = step(i);
                const auto begin = std::chrono::steady_clock::now();
                editor.Move(MouseButtons::Left, float(to.x()), float(to.y()), canvas);
                const auto end = std::chrono::steady_clock::now();
                moveMs[size_t(i)] = std::chrono::duration<double, std::milli>(end - begin).count();
            }
            const QPointF last = step(kMovesPerDrag - 1);
            editor.Release(MouseButtons::Left, float(last.x()), float(last.y()), canvas);
            medianSum += MedianMilliseconds(moveMs);
            state.PauseTiming();
            doc = start;
            state.ResumeTiming();
        }
        state.counters["ms_per_move"] = benchmark::Counter(medianSum / double(state.iterations()));
    }

    Document doc;
    CanvasPaper paper;
    EditorState editorState;
    CanvasRenderer renderer;
    PlacementEditor editor{doc, paper, editorState, renderer};
};

// The inside grabbed and moved to and fro by a pixel and a half per move.
void DragMove(benchmark::State& state)
{
    DragRig rig;
    const Placement& p = rig.doc.Place;
    const QPointF centre((p.SelX1 + p.SelX2) / 2, (p.SelY1 + p.SelY2) / 2);
    rig.editorState.SelShown = true;
    rig.Run(state, centre, [centre](int i) {
        const int swing = i < kMovesPerDrag / 2 ? i : kMovesPerDrag - i;
        return centre + QPointF(1.5 * swing, 0.5 * swing);
    });
}

// The bottom-right grip dragged outwards: the picture's size changes on every move.
void DragResize(benchmark::State& state)
{
    DragRig rig;
    const QPointF corner(rig.doc.Place.SelX2, rig.doc.Place.SelY2);
    rig.editorState.SelShown = true;
    rig.Run(state, corner, [corner](int i) { return corner + QPointF(i - 100, 0.5 * (i - 100)); });
}

} // namespace

BENCHMARK(DragMove)->Name("PlacementDrag/move/853x480/6000x4000")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(DragResize)->Name("PlacementDrag/resize/853x480/6000x4000")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
