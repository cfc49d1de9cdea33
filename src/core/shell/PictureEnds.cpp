#include "core/shell/PictureEnds.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <zlib.h>

#include <QByteArray>
#include <QIODevice>

namespace quorvane {

namespace {

// Bytes of a file read front to back in chunks, with skips by seeking.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device) : device_(device) {}

    // The next byte, or -1 at the end.
    int Next()
    {
        if (at_ == chunk_.size()) {
            chunk_ = device_.read(kChunkBytes);
            at_ = 0;
            if (chunk_.isEmpty())
                return -1;
        }
        return static_cast<unsigned char>(chunk_[at_++]);
    }

    // False when fewer than `count` bytes are left.
    bool Skip(qint64 count)
    {
        if (count < 0)
            return false;
        const qint64 buffered = std::min<qint64>(count, chunk_.size() - at_);
        at_ += buffered;
        count -= buffered;
        if (count == 0)
            return true;
        const qint64 target = device_.pos() + count;
        return target <= device_.size() && device_.seek(target);
    }

    // An unsigned number of `bytes` bytes, most significant first or last.
    std::optional<quint32> Number(int bytes, bool bigEndian)
    {
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i) {
            const int byte = Next();
            if (byte < 0)
                return std::nullopt;
            value = bigEndian ? (value << 8) | quint32(byte) : value | (quint32(byte) << (8 * i));
        }
        return value;
    }

    // The CRC-32 of the next `count` bytes, continuing `crc`; no value when fewer are left.
    std::optional<quint32> Crc(qint64 count, quint32 crc)
    {
        while (count > 0) {
            if (at_ == chunk_.size() && Next() >= 0)
                --at_; // refilled: the byte Next() took is read below
            const qint64 taken = std::min<qint64>(count, chunk_.size() - at_);
            if (taken <= 0)
                return std::nullopt;
            crc = quint32(crc32(crc, reinterpret_cast<const Bytef*>(chunk_.constData() + at_), uInt(taken)));
            at_ += taken;
            count -= taken;
        }
        return crc;
    }

private:
    static constexpr qint64 kChunkBytes = 64 * 1024;
    QIODevice& device_;
    QByteArray chunk_;
    qsizetype at_ = 0;
};

// Every chunk whole and matching its CRC: the decoder's library prints its own message
// on standard error for a damaged one.
bool PngComplete(ByteStream& in)
{
    in.Skip(8); // signature
    for (;;) {
        const std::optional<quint32> length = in.Number(4, true);
        const std::optional<quint32> type = in.Number(4, true);
        const uchar typeBytes[4] = {uchar(type.value_or(0) >> 24), uchar(type.value_or(0) >> 16),
                                    uchar(type.value_or(0) >> 8), uchar(type.value_or(0))};
        const std::optional<quint32> crc = length && type ? in.Crc(*length, quint32(crc32(0, typeBytes, 4)))
                                                          : std::nullopt;
        if (!crc || in.Number(4, true) != crc)
            return false;
        if (*type == 0x49454E44) // "IEND"
            return true;
    }
}

// A number of `bytes` bytes at `offset`, in the file's byte order.
std::optional<quint32> NumberAt(QIODevice& file, qint64 offset, int bytes, bool bigEndian)
{
    const QByteArray read = file.seek(offset) ? file.read(bytes) : QByteArray();
    if (read.size() != bytes)
        return std::nullopt;
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= quint32(uchar(read[bigEndian ? bytes - 1 - i : i])) << (8 * i);
    return value;
}

// The values of a SHORT or LONG entry, at `at` (in the entry or where it points).
std::vector<quint32> EntryValues(QIODevice& file, qint64 at, quint32 type, quint32 count, bool bigEndian)
{
    std::vector<quint32> values;
    const int width = type == 3 ? 2 : 4;
    for (quint32 k = 0; (type == 3 || type == 4) && k < count; ++k) {
        const std::optional<quint32> value = NumberAt(file, at + qint64(k) * width, width, bigEndian);
        if (!value)
            break;
        values.push_back(*value);
    }
    return values;
}

// The first directory's entries and the strips or tiles it lists must lie inside the file:
// the decoder takes a TIFF cut short. (BigTIFF is left to the decoder.)
bool TiffComplete(QIODevice& file, bool bigEndian)
{
    static constexpr qint64 kTypeBytes[] = {1, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    const qint64 size = file.size();
    const std::optional<quint32> directory = NumberAt(file, 4, 4, bigEndian);
    const std::optional<quint32> count = directory ? NumberAt(file, *directory, 2, bigEndian) : std::nullopt;
    if (!count)
        return false;
    std::vector<quint32> starts, lengths; // of the strips or tiles
    for (quint32 i = 0; i < *count; ++i) {
        const qint64 entry = qint64(*directory) + 2 + 12 * qint64(i);
        const std::optional<quint32> tag = NumberAt(file, entry, 2, bigEndian);
        const std::optional<quint32> type = NumberAt(file, entry + 2, 2, bigEndian);
        const std::optional<quint32> values = NumberAt(file, entry + 4, 4, bigEndian);
        const std::optional<quint32> offset = NumberAt(file, entry + 8, 4, bigEndian);
        if (!tag || !type || !values || !offset)
            return false;
        const qint64 bytes = qint64(*values) * kTypeBytes[*type < 13 ? *type : 0];
        if (bytes > 4 && qint64(*offset) + bytes > size)
            return false;
        const qint64 at = bytes > 4 ? qint64(*offset) : entry + 8;
        if (*tag == 273 || *tag == 324) // StripOffsets, TileOffsets
            starts = EntryValues(file, at, *type, *values, bigEndian);
        if (*tag == 279 || *tag == 325) // StripByteCounts, TileByteCounts
            lengths = EntryValues(file, at, *type, *values, bigEndian);
    }
    for (size_t k = 0; k < std::min(starts.size(), lengths.size()); ++k) {
        if (qint64(starts[k]) + lengths[k] > size)
            return false;
    }
    return true;
}

// After a scan's header, the entropy-coded data runs to the next marker that is neither a
// stuffed 0xFF 0x00 nor a restart marker. Returns that marker's code, or -1 at the end.
int MarkerAfterScan(ByteStream& in)
{
    for (int byte = in.Next(); byte >= 0; byte = in.Next()) {
        if (byte != 0xFF)
            continue;
        int code = in.Next();
        while (code == 0xFF)
            code = in.Next();
        if (code != 0x00 && (code < 0xD0 || code > 0xD7))
            return code;
    }
    return -1;
}

bool JpegComplete(ByteStream& in)
{
    in.Skip(2); // start of image
    int code = -2;
    for (;;) {
        if (code == -2) { // read the next marker
            if (in.Next() != 0xFF)
                return false;
            code = in.Next();
            while (code == 0xFF)
                code = in.Next();
        }
        if (code < 0)
            return false;
        if (code == 0xD9) // end of image
            return true;
        const std::optional<quint32> length = (code >= 0xD0 && code <= 0xD7) || code == 0x01
            ? std::optional<quint32>(2) : in.Number(2, true);
        if (!length || *length < 2 || !in.Skip(*length - 2))
            return false;
        code = code == 0xDA ? MarkerAfterScan(in) : -2; // start of scan
    }
}

// RLE8 and RLE4 pixel data must reach its end-of-bitmap escape (0, 1).
bool RleComplete(ByteStream& in, bool fourBits)
{
    for (;;) {
        const int count = in.Next();
        const int second = in.Next();
        if (second < 0)
            return false;
        if (count > 0)
            continue; // a run of `count` pixels of one value
        if (second == 1)
            return true;
        const qint64 bytes = second == 2 ? 2 : second == 0 ? 0 : fourBits ? (second + 1) / 2 : second;
        if (!in.Skip(second >= 3 ? (bytes + 1) / 2 * 2 : bytes)) // absolute runs are padded to even
            return false;
    }
}

bool BmpComplete(ByteStream& in, qint64 fileSize)
{
    in.Skip(10);
    const std::optional<quint32> offset = in.Number(4, false);
    const std::optional<quint32> headerSize = in.Number(4, false);
    if (!offset || !headerSize)
        return false;
    const bool core = *headerSize == 12;
    const std::optional<quint32> width = in.Number(core ? 2 : 4, false);
    const std::optional<quint32> height = in.Number(core ? 2 : 4, false);
    in.Skip(2); // planes
    const std::optional<quint32> bits = in.Number(2, false);
    const std::optional<quint32> compression = core ? std::optional<quint32>(0) : in.Number(4, false);
    if (!width || !height || !bits || !compression)
        return false;
    if (*compression == 1 || *compression == 2) // RLE8, RLE4
        return in.Skip(qint64(*offset) - (core ? 26 : 34)) && RleComplete(in, *compression == 2);
    if (*compression != 0 && *compression != 3 && *compression != 6)
        return true; // embedded JPEG or PNG: their decoders judge
    const qint64 rows = core ? qint64(*height) : std::abs(qint64(qint32(*height)));
    const qint64 rowBytes = (qint64(core ? *width : quint32(std::abs(qint64(qint32(*width))))) * *bits + 31) / 32 * 4;
    return qint64(*offset) + rowBytes * rows <= fileSize;
}

bool SkipSubBlocks(ByteStream& in)
{
    for (;;) {
        const int size = in.Next();
        if (size <= 0)
            return size == 0;
        if (!in.Skip(size))
            return false;
    }
}

bool SkipColourTable(ByteStream& in, int flags)
{
    return (flags & 0x80) == 0 || in.Skip(3 << ((flags & 7) + 1));
}

// The decoder shows the first image: it must be whole.
bool GifComplete(ByteStream& in)
{
    in.Skip(10); // signature, version, screen size
    const int flags = in.Next();
    if (!in.Skip(2) || !SkipColourTable(in, flags))
        return false;
    for (;;) {
        const int block = in.Next();
        if (block == 0x21) { // extension: label, then data blocks
            if (in.Next() < 0 || !SkipSubBlocks(in))
                return false;
        } else if (block == 0x2C) { // image: descriptor, colour table, code size, data
            if (!in.Skip(8))
                return false;
            const int imageFlags = in.Next();
            return imageFlags >= 0 && SkipColourTable(in, imageFlags) && in.Skip(1) && SkipSubBlocks(in);
        } else {
            return block == 0x3B; // the trailer: no image at all, which the decoder reports
        }
    }
}

bool StartsWith(const QByteArray& head, const char* magic)
{
    return head.startsWith(QByteArray(magic));
}

} // namespace

bool PictureIsComplete(QIODevice& file)
{
    if (!file.seek(0))
        return true;
    const QByteArray head = file.peek(8);
    ByteStream in(file);
    bool complete = true;
    if (StartsWith(head, "\x89PNG\r\n\x1A\n"))
        complete = PngComplete(in);
    else if (StartsWith(head, "\xFF\xD8\xFF"))
        complete = JpegComplete(in);
    else if (StartsWith(head, "BM"))
        complete = BmpComplete(in, file.size());
    else if (StartsWith(head, "GIF87a") || StartsWith(head, "GIF89a"))
        complete = GifComplete(in);
    else if (head.startsWith(QByteArrayView("II*\0", 4)) || head.startsWith(QByteArrayView("MM\0*", 4)))
        complete = TiffComplete(file, head.startsWith('M'));
    file.seek(0);
    return complete;
}

} // namespace quorvane
