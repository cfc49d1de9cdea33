// OpenCV's single-thread remap (bilinear, float maps made before timing) on the source and
// target of TransBitmapFast/pass2, for comparison in the same run. Built only where OpenCV
// is installed; OPENCV_CPU_DISABLE limits its vector paths as QUORVANE_SIMD limits ours.
#if defined(QUORVANE_HAVE_OPENCV)

#include <benchmark/benchmark.h>

#include <cstring>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "BenchSpread.h"
#include "GenerationFixture.h"

using namespace quorvane;

namespace {

// For every target pixel (x, y) the source point of the four-corner interpolation: along
// the left and right edges by y, then between them by x. Rows of both images bottom-up, as
// the pass stores them.
void QuadMaps(const TransformState& gen, cv::Mat& mapX, cv::Mat& mapY)
{
    const int W = gen.BitsWidth;
    const int H = gen.BitsHeight;
    mapX.create(H, W, CV_32FC1);
    mapY.create(H, W, CV_32FC1);
    const auto& P = gen.SrcQuad;
    for (int y = 0; y < H; ++y) {
        const float t = float(y) / float(H - 1);
        const float lx = P[0].x + t * (P[3].x - P[0].x), ly = P[0].y + t * (P[3].y - P[0].y);
        const float rx = P[1].x + t * (P[2].x - P[1].x), ry = P[1].y + t * (P[2].y - P[1].y);
        auto* xs = mapX.ptr<float>(H - 1 - y);
        auto* ys = mapY.ptr<float>(H - 1 - y);
        for (int x = 0; x < W; ++x) {
            const float s = float(x) / float(W - 1);
            xs[x] = lx + s * (rx - lx);
            ys[x] = float(H - 1) - (ly + s * (ry - ly));
        }
    }
}

void OpenCvRemapPass2(benchmark::State& state)
{
    cv::setNumThreads(1);
    StartUp start;
    const auto gen = LyingSheetTransform(start);
    if (!gen) {
        state.SkipWithError("the start-up geometry gives no canvas");
        return;
    }
    // The whole doubled source, as remap reads it.
    cv::Mat source(gen->BitsHeight, gen->BitsWidth, CV_8UC4, cv::Scalar::all(255));
    const PixelBuffer::StoredBlock block = gen->SrcBits.Stored();
    for (int r = 0; r < block.height; ++r)
        std::memcpy(source.ptr(block.firstRow + r), block.bytes + size_t(r) * block.width * 4, size_t(block.width) * 4);
    cv::Mat mapX, mapY;
    QuadMaps(*gen, mapX, mapY);
    cv::Mat target(gen->BitsHeight, gen->BitsWidth, CV_8UC4);
    for (auto _ : state) {
        cv::remap(source, target, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar::all(255));
        benchmark::DoNotOptimize(target.data);
    }
    state.counters["pixels"] = double(gen->BitsWidth) * gen->BitsHeight;
}

} // namespace

BENCHMARK(OpenCvRemapPass2)->Name("OpenCvRemap/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);

#endif
