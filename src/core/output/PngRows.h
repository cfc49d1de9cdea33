#pragma once

// A PNG of a 32-bit RGB page written a band of rows at a time, so that the rows can be
// encoded while the ones below them are still being made. The file is byte for byte the one
// the toolkit's PNG writer makes of the whole page at the same compression, so a page
// written either way is the same file.

#include <cstdint>
#include <memory>
#include <optional>

#include <QIODevice>
#include <QSize>
#include <QString>

namespace quorvane {

struct PngState;

class PngRows {
public:
    // A page of `size` pixels recording `dotsPerMeter`, compressed at zlib `level` (0 to 9).
    PngRows(QIODevice& out, QSize size, int dotsPerMeter, int level);
    ~PngRows();
    PngRows(const PngRows&) = delete;
    PngRows& operator=(const PngRows&) = delete;

    // Writes the signature and the header chunks; false with Problem() set when it fails.
    bool Begin();
    // Encodes `count` rows of 32-bit RGB pixels (QImage::Format_RGB32), `stride` bytes apart,
    // the next rows of the page; false with Problem() set when they cannot be written.
    bool Write(const uchar* first, qsizetype stride, int count);
    // Ends the file after the last row; false with Problem() set when it cannot.
    bool End();

    // Why the last call failed; nullopt while every call succeeded.
    const std::optional<QString>& Problem() const { return problem_; }

private:
    std::unique_ptr<PngState> png_;
    std::optional<QString> problem_;
};

} // namespace quorvane
