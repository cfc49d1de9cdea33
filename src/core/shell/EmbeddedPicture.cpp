#include "core/shell/EmbeddedPicture.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include <QtEndian>

namespace quorvane {

namespace {

constexpr qsizetype kBlockChars = 1 << 20;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1A\n";
constexpr qsizetype kPngSignatureBytes = 8;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

qsizetype SkipSpace(QByteArrayView t, qsizetype i)
{
    while (i < t.size() && IsSpace(t[i]))
        ++i;
    return i;
}

// Just past the string whose opening quote is t[i]; -1 when it does not end.
qsizetype StringEnd(QByteArrayView t, qsizetype i)
{
    for (++i; i < t.size(); ++i) {
        if (t[i] == '\\')
            ++i;
        else if (t[i] == '"')
            return i + 1;
    }
    return -1;
}

// Just past the value that starts at t[i]; -1 when it does not end.
qsizetype ValueEnd(QByteArrayView t, qsizetype i)
{
    int depth = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '"') {
            i = StringEnd(t, i);
            if (i < 0 || depth == 0)
                return i;
        } else if (c == '{' || c == '[') {
            ++depth;
            ++i;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return i; // the end of a number or word
            ++i;
            if (--depth == 0)
                return i;
        } else if (depth == 0 && (c == ',' || IsSpace(c))) {
            return i;
        } else {
            ++i;
        }
    }
    return depth == 0 ? i : -1;
}

// The value of the member `key` of the object whose brace is t[i].
std::optional<TextSpan> MemberValue(QByteArrayView t, qsizetype i, QByteArrayView key)
{
    if (i >= t.size() || t[i] != '{')
        return std::nullopt;
    for (i = SkipSpace(t, i + 1); i < t.size() && t[i] == '"';) {
        const qsizetype keyEnd = StringEnd(t, i);
        const qsizetype colon = keyEnd < 0 ? t.size() : SkipSpace(t, keyEnd);
        if (colon >= t.size() || t[colon] != ':')
            return std::nullopt;
        const qsizetype begin = SkipSpace(t, colon + 1);
        const qsizetype end = ValueEnd(t, begin);
        if (end < 0)
            return std::nullopt;
        if (t.sliced(i + 1, keyEnd - i - 2) == key)
            return TextSpan{begin, end};
        i = SkipSpace(t, end);
        if (i < t.size() && t[i] == ',')
            i = SkipSpace(t, i + 1);
    }
    return std::nullopt;
}

bool IsNotBase64(char c)
{
    return !(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=');
}

// The length of the PNG in `bytes` through its IEND chunk, walking its chunks from `next`,
// which is kept between calls as more bytes come; 0 while the end is not there yet.
qsizetype PngLength(const QByteArray& bytes, qsizetype& next)
{
    while (next + 8 <= bytes.size()) {
        const auto* chunk = reinterpret_cast<const uchar*>(bytes.constData()) + next;
        const qsizetype end = next + 12 + qsizetype(qFromBigEndian<quint32>(chunk));
        if (std::memcmp(chunk + 4, "IEND", 4) == 0)
            return end <= bytes.size() ? end : 0;
        next = end;
    }
    return 0;
}

} // namespace

std::optional<TextSpan> FindEmbeddedPng(QByteArrayView text, std::initializer_list<QByteArrayView> path)
{
    std::optional<TextSpan> object = TextSpan{SkipSpace(text, 0), text.size()};
    for (QByteArrayView key : path)
        object = object ? MemberValue(text, object->begin, key) : std::nullopt;
    const std::optional<TextSpan> png = object ? MemberValue(text, object->begin, "png") : std::nullopt;
    if (!png || text[png->begin] != '"')
        return std::nullopt;
    return TextSpan{png->begin + 1, png->end - 1};
}

QByteArray DecodeEmbeddedPng(QByteArrayView base64)
{
    QByteArray png;
    QByteArray pending; // base64 characters not yet decoded: fewer than four after each block
    qsizetype next = kPngSignatureBytes;
    for (qsizetype at = 0; at < base64.size(); at += kBlockChars) {
        pending.append(base64.sliced(at, std::min(kBlockChars, base64.size() - at)));
        pending.removeIf(IsNotBase64);
        const qsizetype whole = pending.size() / 4 * 4;
        png.append(QByteArray::fromBase64(pending.first(whole)));
        pending.remove(0, whole);
        if (png.size() >= kPngSignatureBytes && !png.startsWith(QByteArrayView(kPngSignature, kPngSignatureBytes)))
            break;
        if (const qsizetype length = PngLength(png, next); length > 0)
            return png.first(length);
    }
    return png + QByteArray::fromBase64(pending);
}

} // namespace quorvane
