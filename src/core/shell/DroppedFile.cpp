#include "core/shell/DroppedFile.h"

#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QUrl>

namespace quorvane {

namespace {

bool IsPictureName(const QString& path)
{
    static const QStringList kEndings{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("tif"),
                                      QStringLiteral("tiff")};
    return kEndings.contains(QFileInfo(path).suffix().toLower());
}

QList<QUrl> UrlsOf(const QMimeData& data)
{
    if (data.hasUrls())
        return data.urls();
    if (data.hasText())
        return {QUrl(data.text().trimmed())};
    return {};
}

} // namespace

std::optional<QString> DroppedPicture(const QMimeData& data)
{
    const QList<QUrl> urls = UrlsOf(data);
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QString path = urls.front().toLocalFile();
    if (!IsPictureName(path) || !QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

} // namespace quorvane
