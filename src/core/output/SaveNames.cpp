#include "core/output/SaveNames.h"

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

QString FolderOfFileName(const QString& fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

} // namespace quorvane
