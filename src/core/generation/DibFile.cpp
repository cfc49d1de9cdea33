#include "core/generation/DibFile.h"

#include <limits>

#include <QDataStream>
#include <QIODevice>

namespace quorvane {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

} // namespace

QByteArray DibHeader(int32_t width, int32_t height)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(kInfoHeaderSize) << qint32(width) << qint32(height) << qint16(1) << qint16(32);
    for (int field = 0; field < 6; ++field) // compression, image size, resolutions, colours
        out << qint32(0);
    return header;
}

QByteArray EncodeBitmapFile(const PixelBuffer& buffer)
{
    if (buffer.IsEmpty())
        return {};
    const auto pixels = buffer.Bytes();
    const qint64 offset = kFileHeaderSize + kInfoHeaderSize;
    const qint64 fileSize = offset + qint64(pixels.size());
    if (fileSize > std::numeric_limits<qint32>::max())
        return {};
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(fileSize) << quint16(0) << quint16(0) << quint32(offset);
    file.append(DibHeader(buffer.Width(), buffer.Height()));
    file.append(reinterpret_cast<const char*>(pixels.data()), qsizetype(pixels.size()));
    return file;
}

} // namespace quorvane
