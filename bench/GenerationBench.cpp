// Speed of the re-projection engines and of a whole two-sheet page, on the program's
// start-up geometry: default paper on an 853 x 480 canvas, the sample picture (or one of
// its size drawn here) at its default placement, so the doubled source is 2380 x 2142.
#include <benchmark/benchmark.h>

#include "BenchSpread.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapExact.h"
#include "core/generation/TransBitmapFast.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

QImage SamplePicture()
{
    const LoadedPicture sample = LoadPicture(QCoreApplication::applicationDirPath()
                                             + QStringLiteral("/Object/tyrannosaurus.png"));
    if (!sample.image.isNull())
        return sample.image;
    QImage drawn(1000, 720, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(104, 132, 56));
    painter.drawEllipse(QRect(100, 150, 800, 420));
    return drawn;
}

struct StartUp {
    Document doc;
    CanvasPaper paper;
    GenControl control;

    StartUp()
    {
        const QSizeF canvas(853, 480);
        SetDefaultPaper(doc);
        ResetPaper(doc, paper, canvas, false);
        SetPicture(doc, SamplePicture(), {});
        ApplyDefaultPlacement(doc, paper, canvas);
    }
};

using Engine = bool (*)(TransformState&, GenControl&, QImage&, const RowCallback&);

// One re-projection of the lying sheet: outline points 5, 2, 3, 4.
void LyingSheetPass(benchmark::State& state, Engine engine)
{
    StartUp start;
    const DriverLayout& layout = *DriverLayoutOf(PaperLayout::LFold);
    const auto geometry = ComputeSheetGeometry(layout, start.paper.CanvasOutline);
    auto gen = geometry ? PrepareTransform(ComposeCanvas(start.doc.PictureImage, PlacementOnCanvas(start.doc, start.paper), *geometry), *geometry)
                        : std::nullopt;
    if (!gen) {
        state.SkipWithError("the start-up geometry gives no canvas");
        return;
    }
    SetPassQuad(*gen, layout.passes[1], *geometry);
    start.control.GenProgressBase = layout.passes[1].GenProgressBase;
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

// The path of machines without AVX2.
void TransBitmapFastPass2FourLanes(benchmark::State& state)
{
    LyingSheetPass(state, [](TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow) {
        return TransBitmapFast(gen, control, target, afterRow, LaneWidth::Four);
    });
}

// The same pass by the projective transform through the sheet's corners.
void TransBitmapExactPass2(benchmark::State& state)
{
    LyingSheetPass(state, TransBitmapExact);
}

template <int lanes>
bool ExactAtWidth(TransformState& gen, GenControl& control, QImage& target, const RowCallback& afterRow)
{
    if (!TransBitmapExact(gen, control, afterRow, lanes))
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

// The exact pass at a chosen vector width; four is the path of machines without AVX2.
template <int lanes>
void TransBitmapExactPass2Lanes(benchmark::State& state)
{
    LyingSheetPass(state, ExactAtWidth<lanes>);
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
BENCHMARK(TransBitmapFastPass2FourLanes)->Name("TransBitmapFast/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(TransBitmapExactPass2)->Name("TransBitmapExact/pass2")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK(TransBitmapExactPass2Lanes<4>)->Name("TransBitmapExact/pass2/four-lanes")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, bilinear, SheetMapping::Bilinear)->Name("GenerateBothSheets")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
BENCHMARK_CAPTURE(GenerateBothSheetsPage, exact, SheetMapping::Exact)->Name("GenerateBothSheets/exact")->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(WithSpread);
