#include "core/editor/ScaledPicture.h"

#include <QPainter>

namespace quorvane {

namespace {

const QImage kNoImage;

} // namespace

const QImage& ScaledPicture::At(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return kNoImage;
    if (picture.cacheKey() != pictureKey_)
        Rebuild(picture);
    if (scaled_.size() == size)
        return scaled_;
    if (qint64(size.width()) * size.height() > kMaxCachedPixels)
        return kNoImage;

    const QImage& source = SourceFor(size);
    QImage scaled(size, QImage::Format_ARGB32_Premultiplied);
    if (scaled.isNull())
        return kNoImage;
    scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(QPoint(0, 0), size), source);
    painter.end();
    scaled_ = scaled;
    return scaled_;
}

void ScaledPicture::Rebuild(const QImage& picture)
{
    pictureKey_ = picture.cacheKey();
    scaled_ = QImage();
    levels_.clear();
    levels_.push_back(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    while (levels_.back().width() >= 512 && levels_.back().height() >= 512) {
        const QImage& last = levels_.back();
        levels_.push_back(last.scaled(last.width() / 2, last.height() / 2, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation));
    }
}

const QImage& ScaledPicture::SourceFor(QSize size) const
{
    // The smallest copy still at least as large as the target in both directions.
    for (auto it = levels_.rbegin(); it != levels_.rend(); ++it) {
        if (it->width() >= size.width() && it->height() >= size.height())
            return *it;
    }
    return levels_.front();
}

} // namespace quorvane
