#pragma once

// Keeps the picture ready to be drawn at any size quickly: a chain of copies each half
// the size of the one before (area-averaged), and the last size asked for. A redraw at an
// unchanged size reuses that copy; a new size is scaled from the smallest copy that is
// still at least as large, so the cost follows the drawn size, not the picture's.

#include <vector>

#include <QImage>
#include <QSize>

namespace quorvane {

class ScaledPicture {
public:
    // The picture at exactly `size` (premultiplied ARGB), or a null image for a null
    // picture or an empty size.
    const QImage& At(const QImage& picture, QSize size);

    // Size of the largest copy this class will make; larger targets are drawn directly.
    static constexpr qint64 kMaxCachedPixels = 4096LL * 4096LL;

private:
    void Rebuild(const QImage& picture);
    const QImage& SourceFor(QSize size) const;

    qint64 pictureKey_ = 0;
    std::vector<QImage> levels_; // levels_[0] is the picture itself, premultiplied
    QImage scaled_;
};

} // namespace quorvane
