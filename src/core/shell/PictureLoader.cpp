#include "core/shell/PictureLoader.h"

#include <algorithm>
#include <mutex>

#include <tiffio.h>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include "core/services/FileKind.h"
#include "core/shell/PictureEnds.h"

namespace quorvane {

namespace {

QString CouldNotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("The picture \"%1\" could not be opened: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

// libtiff prints its errors and warnings on standard error unless told otherwise; the
// reason reaches the user through the reader's error.
void QuietDecoderLibraries()
{
    static std::once_flag done;
    std::call_once(done, [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
}

// What decoding takes: the picture at the decoder's depth (a 16-bit PNG takes 8 bytes a
// pixel), at least the 4 it takes once converted; a GIF's whole screen, which its decoder
// allocates whatever its image's size.
QSize DecodedSize(QImageReader& reader, const QByteArray& head, int& bytesPerPixel)
{
    // Invalid, or even out of range from a damaged header, when the header does not tell.
    const QImage::Format format = reader.imageFormat();
    const bool known = format > QImage::Format_Invalid && format < QImage::NImageFormats;
    bytesPerPixel = known ? std::max(4, QImage::toPixelFormat(format).bitsPerPixel() / 8) : 4;
    const QSize size = reader.size();
    if (!head.startsWith("GIF8") || head.size() < 10)
        return size;
    const auto* screen = reinterpret_cast<const uchar*>(head.constData()) + 6;
    return size.expandedTo(QSize(qFromLittleEndian<quint16>(screen), qFromLittleEndian<quint16>(screen + 2)));
}

} // namespace

QImage DecodePicture(QIODevice& device, QString& reason)
{
    if (!PictureIsComplete(device)) {
        reason = QStringLiteral("the file is damaged or cut short");
        return {};
    }
    QuietDecoderLibraries();
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    const QByteArray head = device.peek(10);
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    int bytesPerPixel = 4;
    const QSize size = DecodedSize(reader, head, bytesPerPixel);
    if (size.isValid() && qint64(size.width()) * size.height() * bytesPerPixel > qint64(kPictureAllocationLimitMb) << 20) {
        reason = QStringLiteral("it is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height());
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        reason = reader.errorString();
        return {};
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        reason = QStringLiteral("not enough memory");
    return image;
}

LoadedPicture LoadPicture(const QString& path)
{
    QFile file(path);
    if (const std::optional<QString> reason = OpenRegularFile(file))
        return {QImage(), CouldNotOpen(path, *reason)};
    QString reason;
    const QImage image = DecodePicture(file, reason);
    if (image.isNull())
        return {QImage(), CouldNotOpen(path, reason)};
    return {image, QString()};
}

} // namespace quorvane
