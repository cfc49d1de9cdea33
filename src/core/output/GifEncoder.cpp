#include "core/output/GifEncoder.h"

#include <memory>
#include <vector>

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>
#include <libimagequant.h>

namespace quorvane {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kGifMaxSide = 65535;

struct LiqAttrFree {
    void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct LiqImageFree {
    void operator()(liq_image* image) const { liq_image_destroy(image); }
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

std::optional<QString> Quantize(const QImage& page, IndexedPage& indexed)
{
    QImage rgba = page.convertToFormat(QImage::Format_RGBX8888);
    if (rgba.isNull())
        return QStringLiteral("out of memory");
    std::vector<void*> rows(static_cast<size_t>(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y)
        rows[static_cast<size_t>(y)] = rgba.scanLine(y);

    const std::unique_ptr<liq_attr, LiqAttrFree> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), kPaletteSize) != LIQ_OK)
        return QStringLiteral("the colour quantiser could not start");
    const std::unique_ptr<liq_image, LiqImageFree> image(
        liq_image_create_rgba_rows(attr.get(), rows.data(), rgba.width(), rgba.height(), 0));
    liq_result* rawResult = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &rawResult) != LIQ_OK)
        return QStringLiteral("no palette could be found for the page");
    const std::unique_ptr<liq_result, LiqResultFree> result(rawResult);

    // Full dithering: a photographic page otherwise shows bands in its gradients.
    liq_set_dithering_level(result.get(), 1.0f);
    indexed.width = rgba.width();
    indexed.height = rgba.height();
    indexed.pixels.resize(static_cast<size_t>(indexed.width) * static_cast<size_t>(indexed.height));
    if (liq_write_remapped_image(result.get(), image.get(), indexed.pixels.data(), indexed.pixels.size())
        != LIQ_OK)
        return QStringLiteral("the page could not be mapped to its palette");

    const liq_palette* palette = liq_get_palette(result.get());
    indexed.palette.assign(kPaletteSize, GifColorType{0, 0, 0});
    for (unsigned int i = 0; i < palette->count && i < kPaletteSize; ++i)
        indexed.palette[i] = {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b};
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
