#include "core/output/PngRows.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include <QtEndian>
#include <zlib.h>

namespace quorvane {

struct PngStream {
    z_stream z{};
    bool open = false;
    ~PngStream()
    {
        if (open)
            deflateEnd(&z);
    }
};

namespace {

// libpng's IDAT chunks hold its 8 KB compression buffer each.
constexpr qsizetype kIdatBytes = 8192;

enum Filter : uchar { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

constexpr size_t kPixelBytes = 3;
// Bytes filtered between two looks at the running weight: long enough to run in vectors.
constexpr size_t kStretch = 512;

// A filtered byte's weight in libpng's choice: its distance from zero, bytes of 128 and more
// counting as negative.
inline uint32_t Weight(uchar v)
{
    return std::min<uint32_t>(v, 256u - v);
}

inline int PaethPredictor(int a, int b, int c)
{
    const int p = b - c;
    const int q = a - c;
    const int pa = std::abs(p);
    const int pb = std::abs(q);
    const int pc = std::abs(p + q);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc) ? b : c;
}

// The filtered byte i of a row past its first pixel: `left` and `corner` are the bytes a
// pixel before in the row and in the row above.
template <Filter filter>
inline uchar Filtered(int value, int left, int up, int corner)
{
    switch (filter) {
    case None:
        return uchar(value);
    case Sub:
        return uchar(value - left);
    case Up:
        return uchar(value - up);
    case Average:
        return uchar(value - (left + up) / 2);
    case Paeth:
        return uchar(value - PaethPredictor(left, up, corner));
    }
    return uchar(value);
}

// The row filtered into `out` and its weight, given up (with a weight above `limit`) as soon
// as the weight passes `limit`: that filter is then not the one chosen. The first pixel has
// nothing to its left, as if zeros were there.
template <Filter filter>
uint32_t FilterWeighed(const uchar* row, const uchar* above, size_t bytes, uchar* out, uint32_t limit)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < std::min(bytes, kPixelBytes); ++i) {
        out[i] = Filtered<filter>(row[i], 0, above[i], 0);
        sum += Weight(out[i]);
    }
    for (size_t start = kPixelBytes; start < bytes; start += kStretch) {
        const size_t end = std::min(bytes, start + kStretch);
        for (size_t i = start; i < end; ++i) {
            out[i] = Filtered<filter>(row[i], row[i - kPixelBytes], above[i], above[i - kPixelBytes]);
            sum += Weight(out[i]);
        }
        if (sum > limit)
            return sum;
    }
    return sum;
}

// The row's pixels as the file stores them: red, green, blue.
void ToRgb(const uchar* bgrx, int width, uchar* rgb)
{
    for (int x = 0; x < width; ++x) {
        rgb[3 * x] = bgrx[4 * x + 2];
        rgb[3 * x + 1] = bgrx[4 * x + 1];
        rgb[3 * x + 2] = bgrx[4 * x];
    }
}

// libpng's adaptive choice: of none, sub, up, average and Paeth, the first with the least
// summed weight. `out` gets the filter type and the filtered row; `trial` is scratch space of
// a row's bytes.
void FilterRow(const uchar* row, const uchar* above, size_t bytes, uchar* out, uchar* trial)
{
    uchar* best = out + 1;
    uint32_t least = 0;
    for (size_t i = 0; i < bytes; ++i)
        least += Weight(row[i]);
    std::memcpy(best, row, bytes);
    out[0] = None;
    const auto attempt = [&](Filter filter, uint32_t weight) {
        if (weight < least) {
            least = weight;
            out[0] = filter;
            std::swap(best, trial);
        }
    };
    attempt(Sub, FilterWeighed<Sub>(row, above, bytes, trial, least));
    attempt(Up, FilterWeighed<Up>(row, above, bytes, trial, least));
    attempt(Average, FilterWeighed<Average>(row, above, bytes, trial, least));
    attempt(Paeth, FilterWeighed<Paeth>(row, above, bytes, trial, least));
    if (best != out + 1)
        std::memcpy(out + 1, best, bytes);
}

} // namespace

PngRows::PngRows(QIODevice& out, QSize size, int dotsPerMeter, int level)
    : out_(out)
    , size_(size)
    , dotsPerMeter_(dotsPerMeter)
    , level_(level)
    , zlib_(std::make_unique<PngStream>())
{
}

PngRows::~PngRows() = default;

qsizetype PngRows::FilteredRowBytes(int width)
{
    return 1 + 3 * qsizetype(width);
}

void PngRows::FilterRows(const uchar* first, qsizetype stride, int count, const uchar* above, int width,
                         uchar* filtered)
{
    const size_t bytes = 3 * size_t(width);
    std::vector<uchar> previous(bytes, 0); // the top row is filtered against zeros
    std::vector<uchar> current(bytes);
    std::vector<uchar> trial(bytes);
    if (above)
        ToRgb(above, width, previous.data());
    for (int y = 0; y < count; ++y) {
        ToRgb(first + y * stride, width, current.data());
        FilterRow(current.data(), previous.data(), bytes, filtered + y * FilteredRowBytes(width), trial.data());
        previous.swap(current);
    }
}

bool PngRows::Fail(const QString& problem)
{
    if (!problem_)
        problem_ = problem;
    return false;
}

bool PngRows::WriteChunk(const char* type, const uchar* data, qsizetype bytes)
{
    std::array<uchar, 8> head{};
    qToBigEndian(quint32(bytes), head.data());
    std::memcpy(head.data() + 4, type, 4);
    uLong crc = crc32(0, head.data() + 4, 4);
    if (bytes > 0)
        crc = crc32(crc, data, uInt(bytes));
    std::array<uchar, 4> tail{};
    qToBigEndian(quint32(crc), tail.data());
    const bool written = out_.write(reinterpret_cast<const char*>(head.data()), 8) == 8
        && (bytes == 0 || out_.write(reinterpret_cast<const char*>(data), bytes) == bytes)
        && out_.write(reinterpret_cast<const char*>(tail.data()), 4) == 4;
    return written || Fail(QStringLiteral("the file could not be written"));
}

bool PngRows::Begin()
{
    if (size_.isEmpty())
        return Fail(QStringLiteral("the page is empty"));
    static constexpr uchar kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (out_.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature) != sizeof kSignature)
        return Fail(QStringLiteral("the file could not be written"));
    std::array<uchar, 13> header{};
    qToBigEndian(quint32(size_.width()), header.data());
    qToBigEndian(quint32(size_.height()), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB; compression, filter method and interlacing all 0
    if (!WriteChunk("IHDR", header.data(), header.size()))
        return false;
    if (dotsPerMeter_ > 0) {
        std::array<uchar, 9> physical{};
        qToBigEndian(quint32(dotsPerMeter_), physical.data());
        qToBigEndian(quint32(dotsPerMeter_), physical.data() + 4);
        physical[8] = 1; // per metre
        if (!WriteChunk("pHYs", physical.data(), physical.size()))
            return false;
    }
    // libpng's stream for filtered image data.
    if (deflateInit2(&zlib_->z, level_, Z_DEFLATED, 15, 8, Z_FILTERED) != Z_OK)
        return Fail(QStringLiteral("the compressor could not be started"));
    zlib_->open = true;
    chunk_.resize(kIdatBytes);
    zlib_->z.next_out = chunk_.data();
    zlib_->z.avail_out = uInt(kIdatBytes);
    return true;
}

// Feeds the compressor and writes every IDAT chunk it fills.
bool PngRows::Compress(const uchar* data, qsizetype bytes, bool finish)
{
    z_stream& z = zlib_->z;
    z.next_in = const_cast<uchar*>(data);
    z.avail_in = uInt(bytes);
    for (;;) {
        const int result = deflate(&z, finish ? Z_FINISH : Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return Fail(QStringLiteral("the page could not be compressed"));
        if (z.avail_out == 0) {
            if (!WriteChunk("IDAT", chunk_.data(), kIdatBytes))
                return false;
            z.next_out = chunk_.data();
            z.avail_out = uInt(kIdatBytes);
            continue;
        }
        if (result == Z_STREAM_END) {
            const qsizetype left = kIdatBytes - qsizetype(z.avail_out);
            return left == 0 || WriteChunk("IDAT", chunk_.data(), left);
        }
        if (!finish && z.avail_in == 0)
            return true;
    }
}

bool PngRows::Write(const uchar* filtered, int rows)
{
    if (problem_ || !zlib_->open)
        return Fail(QStringLiteral("the file was not begun"));
    if (rows < 0 || rowsWritten_ + rows > size_.height())
        return Fail(QStringLiteral("more rows than the page has"));
    rowsWritten_ += rows;
    return Compress(filtered, rows * FilteredRowBytes(size_.width()), false);
}

bool PngRows::End()
{
    if (problem_ || !zlib_->open)
        return Fail(QStringLiteral("the file was not begun"));
    if (rowsWritten_ != size_.height())
        return Fail(QStringLiteral("the page's rows did not all come"));
    return Compress(nullptr, 0, true) && WriteChunk("IEND", nullptr, 0);
}

} // namespace quorvane
