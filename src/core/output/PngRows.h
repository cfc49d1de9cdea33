#pragma once

// A PNG of a 32-bit RGB page written a band of rows at a time, so that the rows can be
// encoded while the ones below them are still being made. Filtering a row needs only it and
// the row above, so it can run on any thread, several rows at once; the compression that
// follows takes the filtered rows in order, on one thread. The file is byte for byte the one
// the toolkit's PNG writer (libpng) makes of the whole page at the same compression level:
// the same adaptive choice of filter per row, the same zlib stream, the same chunks.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QIODevice>
#include <QSize>
#include <QString>

namespace quorvane {

struct PngStream;

class PngRows {
public:
    // A page of `size` pixels recording `dotsPerMeter`, compressed at zlib `level` (0 to 9).
    PngRows(QIODevice& out, QSize size, int dotsPerMeter, int level);
    ~PngRows();
    PngRows(const PngRows&) = delete;
    PngRows& operator=(const PngRows&) = delete;

    // The bytes one filtered row takes: its filter type and its RGB bytes.
    static qsizetype FilteredRowBytes(int width);
    // Filters `count` rows of 32-bit RGB pixels (QImage::Format_RGB32), `stride` bytes apart,
    // `width` pixels each, into `filtered` (count * FilteredRowBytes(width) bytes); `above` is
    // the row above the first, null for the page's top row.
    static void FilterRows(const uchar* first, qsizetype stride, int count, const uchar* above, int width,
                           uchar* filtered);

    // Writes the signature and the header chunks; false with Problem() set when it fails.
    bool Begin();
    // Compresses the next filtered rows of the page; false with Problem() set when they
    // cannot be written.
    bool Write(const uchar* filtered, int rows);
    // Ends the file after the last row; false with Problem() set when it cannot.
    bool End();

    // Why the last call failed; nullopt while every call succeeded.
    const std::optional<QString>& Problem() const { return problem_; }

private:
    bool Compress(const uchar* data, qsizetype bytes, bool finish);
    bool WriteChunk(const char* type, const uchar* data, qsizetype bytes);
    bool Fail(const QString& problem);

    QIODevice& out_;
    QSize size_;
    int dotsPerMeter_ = 0;
    int level_ = 0;
    int rowsWritten_ = 0;
    std::unique_ptr<PngStream> zlib_;
    std::vector<uchar> chunk_; // compressed bytes waiting for a full IDAT chunk
    std::optional<QString> problem_;
};

} // namespace quorvane
