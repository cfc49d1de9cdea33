#include "core/output/ResultWriter.h"

#include <optional>

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

#include "core/output/GifEncoder.h"
#include "core/output/SaveNames.h"

namespace quorvane {

namespace {

QString FailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save the page as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

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
        break;
    }
    return "";
}

// Qt maps a PNG quality q to the zlib level (100 - q) * 9 / 91: 50 gives level 4, about
// twice as fast as the default level 6 on a page for files a tenth larger.
constexpr int kPngQuality = 50;

// JPEG and PNG record 144 dpi, at which a 1190 x 1684 page measures A4; the BMP keeps
// the page's own resolution.
std::optional<QString> EncodeWithQt(const QImage& page, PageFileFormat format, QIODevice& out)
{
    QImage image = page;
    if (format != PageFileFormat::Bmp) {
        image.setDotsPerMeterX(kSavedDotsPerMeter);
        image.setDotsPerMeterY(kSavedDotsPerMeter);
    }
    QImageWriter writer(&out, QtFormatName(format));
    if (format == PageFileFormat::Jpg)
        writer.setQuality(kJpegQuality);
    if (format == PageFileFormat::Png)
        writer.setQuality(kPngQuality);
    if (!writer.write(image))
        return writer.errorString();
    return std::nullopt;
}

} // namespace

WriteResult WriteResultImage(const QImage& page, const QString& path)
{
    const std::optional<PageFileFormat> format = FormatOfFileName(path);
    if (!format)
        return {WriteStatus::UnsupportedName,
                FailureMessage(path, QStringLiteral("the name must end in .jpg, .png, .gif or .bmp"))};
    if (page.isNull())
        return {WriteStatus::WriteFailed, FailureMessage(path, QStringLiteral("there is no page image"))};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {WriteStatus::WriteFailed, FailureMessage(path, file.errorString())};
    const std::optional<QString> encodeError = *format == PageFileFormat::Gif
        ? EncodeGif(page, file)
        : EncodeWithQt(page, *format, file);
    if (encodeError) {
        // A failed write on the file (a full disk) tells more than the encoder's own error.
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : *encodeError;
        file.cancelWriting();
        return {WriteStatus::WriteFailed, FailureMessage(path, reason)};
    }
    if (!file.commit())
        return {WriteStatus::WriteFailed, FailureMessage(path, file.errorString())};
    return {WriteStatus::Written, {}};
}

std::optional<QString> ReplaceFileWith(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace quorvane
