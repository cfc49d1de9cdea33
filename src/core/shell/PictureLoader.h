#pragma once

// Decodes a picture file (PNG, JPEG, GIF, BMP, TIFF) safely: a path that is not a
// regular file (a folder, a pipe, a device) is never opened, and a file that cannot be
// read, is cut short (PictureEnds), cannot be decoded, or whose pixels would need more
// memory than the limit, gives a message with the reason instead of a picture.

#include <QIODevice>
#include <QImage>
#include <QString>

namespace quorvane {

struct LoadedPicture {
    QImage image;  // premultiplied ARGB; null on failure
    QString error; // for the user: names the file and the reason; empty on success
};

// The largest decoded picture accepted, in megabytes of pixels.
inline constexpr int kPictureAllocationLimitMb = 512;

LoadedPicture LoadPicture(const QString& path);

// The picture `device` holds, checked and decoded as LoadPicture does; on failure a null
// image and the reason in `reason` ("it is too large (9000 x 9000 pixels)").
QImage DecodePicture(QIODevice& device, QString& reason);

} // namespace quorvane
