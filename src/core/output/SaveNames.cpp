#include "core/output/SaveNames.h"

#include <QFileInfo>

namespace quorvane {

std::optional<PageFileFormat> FormatOfFileName(const QString& fileName)
{
    const QString ending = fileName.right(4).toLower();
    if (ending == QLatin1String(".jpg") || fileName.right(5).toLower() == QLatin1String(".jpeg"))
        return PageFileFormat::Jpg;
    if (ending == QLatin1String(".png"))
        return PageFileFormat::Png;
    if (ending == QLatin1String(".gif"))
        return PageFileFormat::Gif;
    if (ending == QLatin1String(".bmp"))
        return PageFileFormat::Bmp;
    if (ending == QLatin1String(".pdf"))
        return PageFileFormat::Pdf;
    return std::nullopt;
}

QString SheetFileName(const QString& fileName, int column, int row)
{
    const QString suffix = QFileInfo(fileName).suffix();
    const QString stem = fileName.left(fileName.size() - suffix.size() - (suffix.isEmpty() ? 0 : 1));
    return QStringLiteral("%1-C%2-R%3%4")
        .arg(stem)
        .arg(column + 1)
        .arg(row + 1)
        .arg(suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix);
}

QString FolderOfFileName(const QString& fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

} // namespace quorvane
