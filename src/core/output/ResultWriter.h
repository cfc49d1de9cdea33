#pragma once

// Writes a page image to a file whose format follows the name's last four characters:
// ".jpg" or ".jpeg" (JPEG, quality 90), ".png", ".gif", ".bmp", ".pdf", in any letter case. JPEG,
// PNG and BMP record the page's resolution, so that the page measures its paper's size (GIF has no place
// for it); a PDF holds the pixels losslessly on a page of the paper's size (PagePdf).
// The file is written to a temporary file beside it and renamed over the target only when
// complete and on the disk (ReplacingFile), so a failed save never damages an existing
// file. A target that is a folder, device, pipe or socket is refused and left alone.

#include <optional>
#include <span>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include "core/output/PagePdf.h"
#include "core/shell/PageResolution.h"

namespace quorvane {

enum class WriteStatus {
    Written,
    UnsupportedName, // the name does not end in one of the five endings: nothing written
    WriteFailed,     // the file could not be written: any existing file is left untouched
};

struct WriteResult {
    WriteStatus status = WriteStatus::WriteFailed;
    QString message; // for the user: names the file and the reason; empty when written
};

inline constexpr int kJpegQuality = 90;
// The toolkit maps a PNG quality q to the zlib level (100 - q) * 9 / 91: 50 gives level 4,
// about twice as fast as the default level 6 on a page for files a tenth larger.
inline constexpr int kPngQuality = 50;
inline constexpr int kPngLevel = (100 - kPngQuality) * 9 / 91;

// "Could not save the page as "PATH": REASON."
QString SaveFailureMessage(const QString& path, const QString& reason);

// The refusal WriteResultImage would give for `path` before writing anything (a name
// without one of the five endings, a target that is not a regular file); nullopt when
// the write may go ahead. Lets a caller refuse before making the page.
std::optional<WriteResult> CheckResultTarget(const QString& path);

// What a PDF holds besides the page: the paper's size for its first page, and pages to
// follow it (a setup sheet). The other formats have no place for either.
struct PdfPaper {
    QSizeF sizeMm; // empty: the page's pixels at PageDpi
    std::vector<PdfPage> following;
};

// PageDpi: the resolution the page was made at (one of kPageDpis), recorded in the file.
WriteResult WriteResultImage(const QImage& page, const QString& path, int32_t PageDpi = kDefaultPageDpi,
                             const PdfPaper& pdf = {});

// Writes pages already laid out (PagePdf) as one PDF at `path`, with the same checks and
// the same replacement.
WriteResult WriteResultPdf(std::span<const PdfPage> pages, const QString& path);

// Makes `bytes` the content of `path` the way a page is written: beside it, synced, then
// renamed over it. Returns the reason on failure; the old file then stays as it was.
std::optional<QString> ReplaceFileWith(const QString& path, const QByteArray& bytes);

// Writes bytes already encoded in the format the name's ending gives, with the same
// checks and the same replacement.
WriteResult WriteResultBytes(const QByteArray& bytes, const QString& path);

} // namespace quorvane
