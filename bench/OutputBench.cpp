// Writing a full page in each of the four formats, as Save does.
#include <benchmark/benchmark.h>

#include <cmath>

#include <QImage>
#include <QTemporaryDir>

#include "core/output/ResultWriter.h"

namespace {

QImage PhotoPage()
{
    QImage page(1190, 1684, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const double u = double(x) / page.width();
            const double v = double(y) / page.height();
            line[x] = qRgb(int(255 * u), int(255 * v), int(255 * (0.5 + 0.5 * std::sin(9.0 * u + 5.0 * v))));
        }
    }
    return page;
}

void BM_WriteResultImage(benchmark::State& state, const char* name)
{
    const QImage page = PhotoPage();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvane::WriteResultImage(page, path).status);
}

BENCHMARK_CAPTURE(BM_WriteResultImage, jpg, "page.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteResultImage, png, "page.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteResultImage, gif, "page.gif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteResultImage, bmp, "page.bmp")->Unit(benchmark::kMillisecond);

} // namespace
