#include "core/output/ResultWriter.h"

#include <optional>

#include <QDir>
#include <QImageWriter>

#include "core/output/GifEncoder.h"
#include "core/output/ReplacingFile.h"
#include "core/output/SaveNames.h"

namespace quorvane {

QString SaveFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save the page as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

namespace {

const char* QtFormatName(PageFileFormat format)
{
    switch (format) {
    case PageFileFormat::Jpg:
        return "jpeg";
    case PageFileFormat::Png:
        return "png";
    case PageFileFormat::Bmp:
        return "bmp";
    case PageFileFormat::Gif:
    case PageFileFormat::Pdf:
        break;
    }
    return "";
}

// JPEG (in whole dots per inch), PNG and BMP (in dots per metre) record PageDpi.
std::optional<QString> EncodeWithQt(const QImage& page, PageFileFormat format, int32_t PageDpi, QIODevice& out)
{
    QImage image = page; // shares the pixels: only the resolution differs
    image.setDotsPerMeterX(DotsPerMeter(PageDpi));
    image.setDotsPerMeterY(DotsPerMeter(PageDpi));
    QImageWriter writer(&out, QtFormatName(format));
    if (format == PageFileFormat::Jpg)
        writer.setQuality(kJpegQuality);
    if (format == PageFileFormat::Png)
        writer.setQuality(kPngQuality);
    if (!writer.write(image))
        return writer.errorString();
    return std::nullopt;
}

// The page on a PDF page of the paper's size, then the pages that follow it.
std::optional<QString> EncodePdf(const QImage& page, int32_t PageDpi, const PdfPaper& pdf, QIODevice& out)
{
    if (PageDpi <= 0)
        return QStringLiteral("the page has no resolution");
    const QSizeF sizeMm = pdf.sizeMm.isEmpty() ? QSizeF(page.size()) * (25.4 / PageDpi) : pdf.sizeMm;
    std::vector<PdfPage> pages{ImagePdfPage(page, PageDpi, sizeMm)};
    pages.insert(pages.end(), pdf.following.begin(), pdf.following.end());
    return WritePdf(out, pages);
}

std::optional<QString> EncodePage(const QImage& page, PageFileFormat format, int32_t PageDpi, const PdfPaper& pdf,
                                  QIODevice& out)
{
    if (format == PageFileFormat::Gif)
        return EncodeGif(page, out);
    if (format == PageFileFormat::Pdf)
        return EncodePdf(page, PageDpi, pdf, out);
    return EncodeWithQt(page, format, PageDpi, out);
}

// Encodes into a file beside `path` that replaces it only when complete. A failed write
// on the file (a full disk) tells more than the encoder's own error.
template <typename Encode>
WriteResult WriteReplacing(const QString& path, Encode encode)
{
    ReplacingFile file(path);
    if (const std::optional<QString> problem = file.Begin())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path, *problem)};
    if (const std::optional<QString> encodeError = encode(file))
        return {WriteStatus::WriteFailed, SaveFailureMessage(path, file.WriteError().value_or(*encodeError))};
    if (const std::optional<QString> commitError = file.Commit())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path, *commitError)};
    return {WriteStatus::Written, {}};
}

} // namespace

std::optional<WriteResult> CheckResultTarget(const QString& path)
{
    if (!FormatOfFileName(path))
        return WriteResult{WriteStatus::UnsupportedName,
                           SaveFailureMessage(path, QStringLiteral("the name must end in .jpg, .png, .gif, .bmp or .pdf"))};
    if (const std::optional<QString> problem = ReplaceTargetProblem(path))
        return WriteResult{WriteStatus::WriteFailed, SaveFailureMessage(path, *problem)};
    return std::nullopt;
}

WriteResult WriteResultImage(const QImage& page, const QString& path, int32_t PageDpi, const PdfPaper& pdf)
{
    if (std::optional<WriteResult> refused = CheckResultTarget(path))
        return *refused;
    if (page.isNull())
        return {WriteStatus::WriteFailed, SaveFailureMessage(path, QStringLiteral("there is no page image"))};
    const PageFileFormat format = *FormatOfFileName(path);
    return WriteReplacing(path, [&](QIODevice& out) { return EncodePage(page, format, PageDpi, pdf, out); });
}

WriteResult WriteResultPdf(std::span<const PdfPage> pages, const QString& path)
{
    if (FormatOfFileName(path) != PageFileFormat::Pdf)
        return {WriteStatus::UnsupportedName, SaveFailureMessage(path, QStringLiteral("the name must end in .pdf"))};
    if (std::optional<WriteResult> refused = CheckResultTarget(path))
        return *refused;
    return WriteReplacing(path, [&](QIODevice& out) { return WritePdf(out, pages); });
}

std::optional<QString> ReplaceFileWith(const QString& path, const QByteArray& bytes)
{
    ReplacingFile file(path);
    if (std::optional<QString> problem = file.Begin())
        return problem;
    if (file.write(bytes) != bytes.size())
        return file.WriteError().value_or(file.errorString());
    return file.Commit();
}

WriteResult WriteResultBytes(const QByteArray& bytes, const QString& path)
{
    if (std::optional<WriteResult> refused = CheckResultTarget(path))
        return *refused;
    if (const std::optional<QString> reason = ReplaceFileWith(path, bytes))
        return {WriteStatus::WriteFailed, SaveFailureMessage(path, *reason)};
    return {WriteStatus::Written, {}};
}

} // namespace quorvane
