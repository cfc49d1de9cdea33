// Finding the paper and the camera in a 12-megapixel photo (4000 x 3000) and a 50-megapixel
// one (8660 x 5774), from the decoded photo. (A whole `quorvane-cli detect` run's memory is
// measured with /usr/bin/time.)
#include <benchmark/benchmark.h>

#include <QImageReader>

#include "BenchSpread.h"
#include "core/photo/PhotoCamera.h"
#include "core/photo/PhotoCorners.h"
#include "support/PaperPhoto.h"

using namespace quorvane;

namespace {

void PhotoDetect(benchmark::State& state)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold};
    // The photo maker's JPEG pass decodes the 50-megapixel photo beyond the toolkit's default limit.
    QImageReader::setAllocationLimit(0);
    const test::PaperPhoto photo = test::DrawPaperPhoto(paper.Layout, {106, 53, 31, 15, 0, 0}, {},
                                                           QSize(int(state.range(0)), int(state.range(1))));
    for (auto _ : state) {
        const CornerSearch found = FindPaperCorners(photo.image, paper.Layout);
        if (!found.corners) {
            state.SkipWithError(found.message.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(CameraFromCorners(*found.corners, photo.image.size(), paper));
    }
}

} // namespace

BENCHMARK(PhotoDetect)->Args({4000, 3000})->Args({8660, 5774})->Unit(benchmark::kMillisecond)->Apply(WithSpread);
