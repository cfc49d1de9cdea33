// The designer's frame, its OK (marker frame, read-back, scan, checks) and the scan alone,
// at the dialog's view size of 523 x 450.
#include <memory>

#include <benchmark/benchmark.h>

#include "BenchSpread.h"
#include "core/designer/CornerCheck.h"
#include "core/designer/CornerScan.h"
#include "core/shell/Paper.h"
#include "scene/OffscreenView.h"

namespace {

using namespace quorvane;

const QSize kView(523, 450);

// The view to draw into; nullptr after marking the benchmark skipped when there is no OpenGL.
std::unique_ptr<OffscreenView> ViewOrSkip(benchmark::State& state)
{
    auto view = std::make_unique<OffscreenView>(kView);
    if (view->IsValid())
        return view;
    state.SkipWithError(("no OpenGL to draw with: " + view->Error().toStdString()).c_str());
    return nullptr;
}

void DesignerFrame(benchmark::State& state)
{
    const std::unique_ptr<OffscreenView> view = ViewOrSkip(state);
    if (!view)
        return;
    const CameraValues camera;
    for (auto _ : state)
        view->Display(camera, Paper{}); // waits until the frame is drawn
}
BENCHMARK(DesignerFrame)->Unit(benchmark::kMillisecond)->Apply(WithSpread);

void DesignerOk(benchmark::State& state)
{
    const std::unique_ptr<OffscreenView> view = ViewOrSkip(state);
    if (!view)
        return;
    const CameraValues camera;
    for (auto _ : state) {
        const FoundCorners found = view->CaptureCorners(camera, Paper{});
        benchmark::DoNotOptimize(CaptureOutline(found, Paper{}, camera, kView));
    }
}
BENCHMARK(DesignerOk)->Unit(benchmark::kMillisecond)->Apply(WithSpread);

void CornerScan(benchmark::State& state)
{
    CaptureBits bits;
    bits.width = kView.width();
    bits.height = kView.height();
    bits.bytes.assign(size_t(bits.width) * bits.height * 4, 255);
    const uint8_t markers[6][3] = {{0, 0, 255}, {0, 0, 128}, {0, 255, 0}, {0, 128, 0}, {255, 0, 0}, {128, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        uint8_t* pixel = &bits.bytes[(size_t(60 + 50 * i) * bits.width + 40 + 70 * i) * 4];
        std::copy(markers[i], markers[i] + 3, pixel);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanCorners(bits));
}
BENCHMARK(CornerScan)->Unit(benchmark::kMicrosecond);

} // namespace
