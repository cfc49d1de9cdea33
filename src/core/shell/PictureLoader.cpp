#include "core/shell/PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "core/services/FileKind.h"
#include "core/shell/PictureEnds.h"

namespace quorvane {

namespace {

QString CouldNotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("The picture \"%1\" could not be opened: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace

QImage DecodePicture(QIODevice& device, QString& reason)
{
    if (!PictureIsComplete(device)) {
        reason = QStringLiteral("the file is damaged: it ends before the picture does");
        return {};
    }
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kPictureAllocationLimitMb) << 20) {
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

void SetPicture(Document& doc, const QImage& image, const QString& file)
{
    doc.PictureFile = file;
    doc.PictureImage = image;
    doc.PictureWidth = image.width();
    doc.PictureHeight = image.height();
}

} // namespace quorvane
