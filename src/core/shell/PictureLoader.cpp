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

// Opens only a regular file: opening a pipe would wait for a writer, forever.
std::optional<QString> OpenPictureFile(QFile& file)
{
    const PathFacts facts = FactsOf(file.fileName());
    if (facts.kind == FileKind::Missing)
        return QStringLiteral("the file does not exist");
    if (const std::optional<QString> reason = NotAFileReason(facts))
        return reason;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return std::nullopt;
}

} // namespace

LoadedPicture LoadPicture(const QString& path)
{
    QFile file(path);
    if (const std::optional<QString> reason = OpenPictureFile(file))
        return {QImage(), CouldNotOpen(path, *reason)};
    if (!PictureIsComplete(file))
        return {QImage(), CouldNotOpen(path, QStringLiteral("the file is damaged: it ends before the picture does"))};
    QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kPictureAllocationLimitMb) << 20) {
        return {QImage(), CouldNotOpen(path, QStringLiteral("it is too large (%1 x %2 pixels)")
                                                 .arg(size.width())
                                                 .arg(size.height()))};
    }
    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), CouldNotOpen(path, reader.errorString())};
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {QImage(), CouldNotOpen(path, QStringLiteral("not enough memory"))};
    return {image, QString()};
}

} // namespace quorvane
