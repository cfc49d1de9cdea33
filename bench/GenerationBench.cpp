// Speed of the exact re-projection engine and of a whole two-sheet page, on the
// program's start-up geometry: default paper on an 853 x 480 canvas, the sample picture
// (or one of its size drawn here) at its default placement.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/SheetGeometry.h"
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

DocumentState StartUpDocument()
{
    const QSizeF canvas(853, 480);
    DocumentState doc;
    SetDefaultPaper(doc);
    ResetPaper(doc, canvas, false);
    SetPicture(doc, SamplePicture());
    ApplyDefaultPlacement(doc, canvas);
    return doc;
}

void TransBitmapLiteralPass2(benchmark::State& state)
{
    DocumentState doc = StartUpDocument();
    const DriverLayout& layout = *DriverLayoutOf(PaperLayout::LFold);
    const auto geometry = ComputeSheetGeometry(layout, doc.CanvasOutline);
    auto gen = geometry ? PrepareTransform(ComposeCanvas(doc, *geometry), *geometry) : std::nullopt;
    if (!gen) {
        state.SkipWithError("the start-up geometry gives no canvas");
        return;
    }
    SetPassQuad(*gen, layout.passes[1], *geometry);
    doc.GenProgressBase = layout.passes[1].GenProgressBase;
    QImage target(gen->BitsWidth, gen->BitsHeight, QImage::Format_RGB32);
    for (auto _ : state)
        benchmark::DoNotOptimize(TransBitmap(*gen, doc, target, {}));
    state.counters["pixels"] = double(gen->BitsWidth) * gen->BitsHeight;
}

void GenerateBothSheetsPage(benchmark::State& state)
{
    DocumentState doc = StartUpDocument();
    for (auto _ : state) {
        const GenerateResult result = GenerateBothSheets(doc, {});
        benchmark::DoNotOptimize(result.page.constBits());
    }
}

} // namespace

BENCHMARK(TransBitmapLiteralPass2)->Name("TransBitmapLiteral/pass2")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GenerateBothSheetsPage)->Name("GenerateBothSheets")->Unit(benchmark::kMillisecond)->UseRealTime();
