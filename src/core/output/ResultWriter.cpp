#include "core/output/ResultWriter.h"

#include <QImageWriter>

namespace quorvane {

// Provisional writer for PNG only; the full writer replaces it.
WriteResult WriteResultImage(const QImage& page, const QString& path)
{
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return {WriteStatus::UnsupportedName, QStringLiteral("Unsupported file name: %1").arg(path)};
    QImageWriter writer(path, "png");
    if (!writer.write(page))
        return {WriteStatus::WriteFailed, QStringLiteral("Could not write %1: %2").arg(path, writer.errorString())};
    return {WriteStatus::Written, {}};
}

} // namespace quorvane
