// Speed of the re-projection engines and of a whole two-sheet page, on the program's
// start-up geometry (GenerationFixture.h), on one thread and on each number of threads up
// to the machine's cores; and of pages of accepted outlines so tall that the canvas is
// narrowed, at the finest resolution; and of the 600 dpi page made and written as a PNG,
// the PNG encoded while the page is made against the page written once it is done.
#include <benchmark/benchmark.h>

#include "BenchSpread.h"

#include <algorithm>
#include <limits>
#include <string>
#include <thread>

#include <QImage>
#include <QTemporaryDir>

#include "GenerationFixture.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/TransBitmapExact.h"
#include "core/generation/TransBitmapFast.h"
#include "core/generation/WorkerThreads.h"
#include "core/output/ResultWriter.h"
#include "core/output/StreamedPage.h"

using namespace quorvane;

namespace {

using Engine = bool (*)(TransformState&, GenControl&, QImage&, const RowCallback&);

// One re-projection of the lying sheet: outline points 5, 2, 3, 4.
void LyingSheetPass(benchmark::State& state, Engine engine)
{
    StartUp start;
    auto gen = LyingSheetTransform(start);
    if (!gen) {
        state.SkipWithError("the start-up geometry gives no canvas");
        return;
    }
    QImage target(gen->BitsWidth, gen->BitsHeight, QImage::Format_RGB32);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine(*gen, start.control, target, {}));
    state.counters["pixels"] = double(gen->BitsWidth) * gen->BitsHeight;
}

void TransBitmapLiteralPass2(benchmark::State& state)
{
    LyingSheetPass(state, TransBitmap);
}

void TransBitmapFastPass2(benchmark::State& state)
{
    LyingSheetPass(state, TransBitmapFast);
}

// The pass at a chosen width, by either mapping: the exact one is the projective transform
// through the sheet's corners. Eight lanes need AVX2; four run on every machine.
template <SheetMapping mapping, LaneWidth width>
void Pass2At(benchmark::State& state)
{
    if (!MachineRuns(width)) {
        state.SkipWithError("this machine does not run that vector width");
        return;
    }
    LyingSheetPass(state, [](TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow) {
        if (mapping == SheetMapping::Exact)
            return TransBitmapExact(gen, control, target, afterRow, width);
        return TransBitmapFast(gen, control, target, afterRow, width);
    });
}

// The whole Generate of both sheets at the start-up geometry, by the mapping, with the page
// made at PageDpi.
void GenerateBothSheetsPage(benchmark::State& state, SheetMapping mapping, int32_t PageDpi)
{
    StartUp start;
    start.doc.Mapping = mapping;
    start.doc.PageDpi = PageDpi;
    for (auto _ : state) {
        const GenerateResult result = GenerateBothSheets(start.doc, start.paper, start.control, {});
        benchmark::DoNotOptimize(result.page.constBits());
    }
}

// The same at 600 dpi with the generation held to `threads`.
void GenerateBothSheetsOnThreads(benchmark::State& state, int32_t threads)
{
    LimitGenerationThreads(threads);
    GenerateBothSheetsPage(state, SheetMapping::Bilinear, 600);
    state.counters["threads"] = GenerationThreads();
    LimitGenerationThreads(std::numeric_limits<int32_t>::max());
}

// The 600 dpi page of both sheets made on `threads` and written to a PNG: `streamed`
// encodes it while it is made, as quorvane-cli does on more than one thread; otherwise it is
// written once it is done, as on one thread.
void GeneratePngOnThreads(benchmark::State& state, int32_t threads, bool streamed)
{
    LimitGenerationThreads(threads);
    StartUp start;
    start.doc.PageDpi = 600;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    for (auto _ : state) {
        std::optional<StreamedPage> stream;
        if (streamed)
            stream.emplace(path, start.doc.PageDpi);
        const auto rowsFinal = [&stream](const QImage& page, int32_t rows) { stream->RowsFinal(page, rows); };
        const auto result = GenerateForPageStyle(start.doc, start.paper, start.control, {},
                                                 streamed ? PageRowsFinal(rowsFinal) : PageRowsFinal{});
        const WriteResult written = !result || result->status != GenerateStatus::Done
            ? WriteResult{}
            : streamed ? stream->Finish(result->page) : WriteResultImage(result->page, path, start.doc.PageDpi);
        if (written.status != WriteStatus::Written) {
            state.SkipWithError("the page was not written");
            break;
        }
    }
    LimitGenerationThreads(std::numeric_limits<int32_t>::max());
}

// An accepted outline so tall for its width that its canvas is narrowed: the layout's
// outline at its own size on the canvas, the picture at its default placement.
void TallOutlinePage(benchmark::State& state, PaperLayout style, Outline outline)
{
    StartUp start;
    start.doc.Paper.Layout = style;
    start.doc.Outline.PaperPoint = outline;
    start.doc.PageDpi = 600;
    const QSizeF canvas(start.doc.Outline.PaperWidth(), start.doc.Outline.PaperHeight());
    ResetPaper(start.doc, start.paper, canvas, false);
    ApplyDefaultPlacement(start.doc, start.paper, canvas);
    for (auto _ : state) {
        const auto result = GenerateForPageStyle(start.doc, start.paper, start.control, {});
        if (!result || result->status != GenerateStatus::Done) {
            state.SkipWithError("the outline gives no page");
            return;
        }
        benchmark::DoNotOptimize(result->page.constBits());
    }
}

Outline LFoldWithTallLyingSheet(int ratio)
{
    const int w = 20;
    return {{{0, 0}, {w, 0}, {w, w}, {w, w + w * ratio}, {0, w + w * ratio}, {0, w}}};
}

Outline TallLyingSheet(int width, int height)
{
    return {{{0, 0}, {width, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}}};
}

Outline TallStandingSheet(int width, int height)
{
    return {{{0, 0}, {width, 0}, {width, height}, {width, height}, {0, height}, {0, height}}};
}

// GenerateBothSheets/600dpi/threads:N and GenerateToPng(Streamed)/600dpi/threads:N for N
// from 1 to the machine's cores.
const bool kThreadBenchmarks = [] {
    const int32_t cores = std::max(1, int32_t(std::thread::hardware_concurrency()));
    for (int32_t threads = 1; threads <= cores; ++threads) {
        benchmark::RegisterBenchmark(("GenerateBothSheets/600dpi/threads:" + std::to_string(threads)).c_str(),
                                     GenerateBothSheetsOnThreads, threads)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Apply(WithShortSpread);
        for (const bool streamed : {false, true}) {
            if (streamed && threads == 1)
                continue; // one thread writes after the page, the old way
            benchmark::RegisterBenchmark(
                ((streamed ? "GenerateToPngStreamed" : "GenerateToPng") + std::string("/600dpi/threads:")
                 + std::to_string(threads)).c_str(),
                GeneratePngOnThreads, threads, streamed)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Apply(WithShortSpread);
        }
    }
    return true;
}();

} // namespace

BENCHMARK(TransBitmapLiteralPass2)->Name("TransBitmapLiteral/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK(TransBitmapFastPass2)->Name("TransBitmapFast/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Bilinear, LaneWidth::Eight>)->Name("TransBitmapFast/pass2/avx2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Bilinear, LaneWidth::Four>)->Name("TransBitmapFast/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Widest>)->Name("TransBitmapExact/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Eight>)->Name("TransBitmapExact/pass2/avx2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Four>)->Name("TransBitmapExact/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, bilinear, SheetMapping::Bilinear, 144)->Name("GenerateBothSheets")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, exact, SheetMapping::Exact, 144)->Name("GenerateBothSheets/exact")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, 300dpi, SheetMapping::Bilinear, 300)->Name("GenerateBothSheets/300dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, 600dpi, SheetMapping::Bilinear, 600)->Name("GenerateBothSheets/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, exact600dpi, SheetMapping::Exact, 600)->Name("GenerateBothSheets/exact/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(TallOutlinePage, lfold16, PaperLayout::LFold, LFoldWithTallLyingSheet(16))->Name("TallOutline/lfold-lying-16to1/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(TallOutlinePage, lfold64, PaperLayout::LFold, LFoldWithTallLyingSheet(64))->Name("TallOutline/lfold-lying-64to1/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(TallOutlinePage, flat20, PaperLayout::Flat, TallLyingSheet(50, 1000))->Name("TallOutline/flat-20to1/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(TallOutlinePage, upright20, PaperLayout::Upright, TallStandingSheet(50, 1000))->Name("TallOutline/upright-20to1/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK_CAPTURE(TallOutlinePage, million, PaperLayout::Flat, TallLyingSheet(2500, 1000000))->Name("TallOutline/flat-million-tall/600dpi")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
