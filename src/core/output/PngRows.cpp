#include "core/output/PngRows.h"

#include <csetjmp>

#include <png.h>

namespace quorvane {

// libpng reports errors by a long jump back to the setjmp of the call that ran into them:
// the frames it jumps over hold nothing that needs destroying.
struct PngState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QIODevice* out = nullptr;
    QSize size;
    int dotsPerMeter = 0;
    int level = 0;
    int rowsWritten = 0;
    char message[200] = {};
};

namespace {

void OnError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<PngState*>(png_get_error_ptr(png));
    qsnprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnWrite(png_structp png, png_bytep data, size_t length)
{
    auto* state = static_cast<PngState*>(png_get_io_ptr(png));
    if (state->out->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        png_error(png, "the file could not be written");
}

void OnFlush(png_structp) {}

} // namespace

PngRows::PngRows(QIODevice& out, QSize size, int dotsPerMeter, int level)
    : png_(std::make_unique<PngState>())
{
    png_->out = &out;
    png_->size = size;
    png_->dotsPerMeter = dotsPerMeter;
    png_->level = level;
}

PngRows::~PngRows()
{
    if (png_->png)
        png_destroy_write_struct(&png_->png, &png_->info);
}

bool PngRows::Begin()
{
    PngState& s = *png_;
    if (s.size.isEmpty()) {
        problem_ = QStringLiteral("the page is empty");
        return false;
    }
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &s, OnError, OnWarning);
    s.info = s.png ? png_create_info_struct(s.png) : nullptr;
    if (!s.info) {
        problem_ = QStringLiteral("there is not enough memory to encode the page");
        return false;
    }
    if (setjmp(png_jmpbuf(s.png))) {
        problem_ = QString::fromLocal8Bit(s.message);
        return false;
    }
    // The toolkit's writer, step by step, for a 32-bit RGB image on a little-endian machine.
    png_set_benign_errors(s.png, 1);
    png_set_compression_level(s.png, s.level);
    png_set_write_fn(s.png, &s, OnWrite, OnFlush);
    png_set_IHDR(s.png, s.info, png_uint_32(s.size.width()), png_uint_32(s.size.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_bgr(s.png);
    if (s.dotsPerMeter > 0)
        png_set_pHYs(s.png, s.info, png_uint_32(s.dotsPerMeter), png_uint_32(s.dotsPerMeter), PNG_RESOLUTION_METER);
    png_write_info(s.png, s.info);
    png_set_packing(s.png);
    png_set_filler(s.png, 0, PNG_FILLER_AFTER);
    return true;
}

bool PngRows::Write(const uchar* first, qsizetype stride, int count)
{
    PngState& s = *png_;
    if (problem_ || !s.png)
        return false;
    if (count < 0 || s.rowsWritten + count > s.size.height()) {
        problem_ = QStringLiteral("more rows than the page has");
        return false;
    }
    if (setjmp(png_jmpbuf(s.png))) {
        problem_ = QString::fromLocal8Bit(s.message);
        return false;
    }
    for (int y = 0; y < count; ++y)
        png_write_row(s.png, const_cast<png_bytep>(first + y * stride));
    s.rowsWritten += count;
    return true;
}

bool PngRows::End()
{
    PngState& s = *png_;
    if (problem_ || !s.png)
        return false;
    if (s.rowsWritten != s.size.height()) {
        problem_ = QStringLiteral("the page's rows did not all come");
        return false;
    }
    if (setjmp(png_jmpbuf(s.png))) {
        problem_ = QString::fromLocal8Bit(s.message);
        return false;
    }
    png_write_end(s.png, s.info);
    return true;
}

} // namespace quorvane
