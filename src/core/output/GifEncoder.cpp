#include "core/output/GifEncoder.h"

#include <memory>
#include <vector>

#include <QIODevice>
#include <QImage>

#include "core/output/PaletteDither.h"

#include <gif_lib.h>
#include <libimagequant.h>

namespace quorvane {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kGifMaxSide = 65535;
constexpr int kSampleStep = 3;

struct LiqAttrFree {
    void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct LiqImageFree {
    void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct LiqHistogramFree {
    void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
};
struct LiqResultFree {
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};
struct GifMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The page reduced to palette indices, one byte a pixel, rows top-down.
struct IndexedPage {
    int width = 0;
    int height = 0;
    std::vector<GifByteType> pixels;
    std::vector<GifColorType> palette; // kPaletteSize entries, unused ones black
};

// Every third pixel of every third line: the colours the palette is chosen from. The
// palette of a page barely changes with it, and choosing takes a ninth of the time.
QImage PaletteSample(const QImage& page)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    QImage sample((rgb.width() + kSampleStep - 1) / kSampleStep, (rgb.height() + kSampleStep - 1) / kSampleStep,
                  QImage::Format_RGBX8888);
    if (rgb.isNull() || sample.isNull())
        return {};
    for (int y = 0; y < sample.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y * kSampleStep));
        for (int x = 0; x < sample.width(); ++x)
            sample.setPixel(x, y, line[x * kSampleStep]);
    }
    return sample;
}

std::optional<QString> ChoosePalette(const QImage& page, std::vector<PaletteColour>& palette)
{
    QImage sample = PaletteSample(page);
    if (sample.isNull())
        return QStringLiteral("out of memory");
    std::vector<void*> rows(static_cast<size_t>(sample.height()));
    for (int y = 0; y < sample.height(); ++y)
        rows[static_cast<size_t>(y)] = sample.scanLine(y);

    const std::unique_ptr<liq_attr, LiqAttrFree> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), kPaletteSize) != LIQ_OK)
        return QStringLiteral("the colour quantiser could not start");
    const std::unique_ptr<liq_histogram, LiqHistogramFree> histogram(liq_histogram_create(attr.get()));
    const std::unique_ptr<liq_image, LiqImageFree> image(
        liq_image_create_rgba_rows(attr.get(), rows.data(), sample.width(), sample.height(), 0));
    liq_result* rawResult = nullptr;
    if (!histogram || !image || liq_histogram_add_image(histogram.get(), attr.get(), image.get()) != LIQ_OK
        || liq_histogram_quantize(histogram.get(), attr.get(), &rawResult) != LIQ_OK)
        return QStringLiteral("no palette could be found for the page");
    const std::unique_ptr<liq_result, LiqResultFree> result(rawResult);
    const liq_palette* chosen = liq_get_palette(result.get());
    for (unsigned int i = 0; i < chosen->count && i < kPaletteSize; ++i)
        palette.push_back({chosen->entries[i].r, chosen->entries[i].g, chosen->entries[i].b});
    return std::nullopt;
}

// The page reduced to a palette chosen for it and dithered onto it.
std::optional<QString> Quantize(const QImage& page, IndexedPage& indexed)
{
    std::vector<PaletteColour> palette;
    if (const auto error = ChoosePalette(page, palette))
        return error;
    indexed.width = page.width();
    indexed.height = page.height();
    indexed.pixels = DitherToPalette(page, palette);
    if (indexed.pixels.empty())
        return QStringLiteral("the page could not be mapped to its palette");
    indexed.palette.assign(kPaletteSize, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        indexed.palette[i] = {palette[i][0], palette[i][1], palette[i][2]};
    return std::nullopt;
}

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(out->write(reinterpret_cast<const char*>(data), length));
}

QString GifError(int code)
{
    const char* text = GifErrorString(code);
    return text != nullptr ? QString::fromUtf8(text) : QStringLiteral("GIF error %1").arg(code);
}

std::optional<QString> WriteGif(IndexedPage& indexed, QIODevice& out)
{
    const std::unique_ptr<ColorMapObject, GifMapFree> map(
        GifMakeMapObject(kPaletteSize, indexed.palette.data()));
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToDevice, &error);
    if (!map || gif == nullptr)
        return GifError(error);

    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map.get()) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y) {
        GifByteType* row = indexed.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(indexed.width);
        ok = EGifPutLine(gif, row, indexed.width) == GIF_OK;
    }
    error = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = closeError;
    }
    if (!ok)
        return GifError(error);
    return std::nullopt;
}

} // namespace

std::optional<QString> EncodeGif(const QImage& page, QIODevice& out)
{
    if (page.width() > kGifMaxSide || page.height() > kGifMaxSide)
        return QStringLiteral("the page is too large for a GIF file");
    IndexedPage indexed;
    if (const auto error = Quantize(page, indexed))
        return error;
    return WriteGif(indexed, out);
}

} // namespace quorvane
