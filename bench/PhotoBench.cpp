// Finding the paper and the camera in a 12-megapixel photo (4000 x 3000), from the decoded
// photo; the counter peak_mb is the most memory the process held above what it held before.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "BenchSpread.h"
#include "core/photo/PhotoCamera.h"
#include "core/photo/PhotoCorners.h"
#include "support/PaperPhoto.h"

using namespace quorvane;

namespace {

// The process's resident high-water mark in kB (VmHWM), after resetting it when asked.
double PeakResidentKb(bool reset)
{
    if (reset)
        std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0.0;
}

void PhotoDetect(benchmark::State& state)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold};
    const test::PaperPhoto photo = test::DrawPaperPhoto(paper.Layout, {106, 53, 31, 15, 0, 0}, {}, QSize(4000, 3000));
    const double before = PeakResidentKb(true);
    for (auto _ : state) {
        const CornerSearch found = FindPaperCorners(photo.image, paper.Layout);
        if (!found.corners) {
            state.SkipWithError(found.message.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(CameraFromCorners(*found.corners, photo.image.size(), paper));
    }
    state.counters["peak_mb"] = (PeakResidentKb(false) - before) / 1024.0;
}

} // namespace

BENCHMARK(PhotoDetect)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
