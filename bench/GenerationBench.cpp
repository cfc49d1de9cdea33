// Speed of the re-projection engines and of a whole two-sheet page, on the program's
// start-up geometry (GenerationFixture.h).
#include <benchmark/benchmark.h>

#include "BenchSpread.h"

#include <QImage>

#include "GenerationFixture.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/TransBitmapExact.h"
#include "core/generation/TransBitmapFast.h"

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

void GenerateBothSheetsPage(benchmark::State& state, SheetMapping mapping)
{
    StartUp start;
    start.doc.Mapping = mapping;
    for (auto _ : state) {
        const GenerateResult result = GenerateBothSheets(start.doc, start.paper, start.control, {});
        benchmark::DoNotOptimize(result.page.constBits());
    }
}

} // namespace

BENCHMARK(TransBitmapLiteralPass2)->Name("TransBitmapLiteral/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithShortSpread);
BENCHMARK(TransBitmapFastPass2)->Name("TransBitmapFast/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Bilinear, LaneWidth::Eight>)->Name("TransBitmapFast/pass2/avx2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Bilinear, LaneWidth::Four>)->Name("TransBitmapFast/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Widest>)->Name("TransBitmapExact/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Eight>)->Name("TransBitmapExact/pass2/avx2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(Pass2At<SheetMapping::Exact, LaneWidth::Four>)->Name("TransBitmapExact/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, bilinear, SheetMapping::Bilinear)->Name("GenerateBothSheets")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, exact, SheetMapping::Exact)->Name("GenerateBothSheets/exact")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
