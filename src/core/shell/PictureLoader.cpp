#include "core/shell/PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

namespace quorvane {

namespace {

QString CouldNotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("The picture \"%1\" could not be opened: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace

LoadedPicture LoadPicture(const QString& path)
{
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kPictureAllocationLimitMb) << 20) {
        return {QImage(), CouldNotOpen(path, QStringLiteral("it is too large (%1 x %2 pixels)")
                                                 .arg(size.width())
                                                 .arg(size.height()))};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        const QString reason = QFileInfo::exists(path) ? reader.errorString()
                                                        : QStringLiteral("the file does not exist");
        return {QImage(), CouldNotOpen(path, reason)};
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {QImage(), CouldNotOpen(path, QStringLiteral("not enough memory"))};
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
