#pragma once

// The pictures a layout file embeds (the picture, and the photo an outline came from), found
// and decoded straight from the file's text. A layout is mostly their base64: the JSON
// parser would hold the whole text several times over (as text, as a string value, as
// bytes), so the pictures' characters are cut out before the rest is parsed, and decoded a
// block at a time up to the PNG's end.

#include <initializer_list>
#include <optional>

#include <QByteArray>
#include <QByteArrayView>

namespace quorvane {

// Where the characters of the string "picture": {"png": "..."} lie in a layout's text
// (quotes excluded); nullopt when the text has no such string. `path` names the objects
// from the top down that hold the "png" member; the picture's by default.
struct TextSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
};
std::optional<TextSpan> FindEmbeddedPng(QByteArrayView text,
                                        std::initializer_list<QByteArrayView> path = {"picture"});

// The PNG the base64 characters hold, up to the end of its IEND chunk: whatever follows is
// not decoded. Characters outside the base64 alphabet are skipped, as the toolkit's
// decoder skips them. Bytes that are not a PNG, or a PNG without an end, come back whole,
// for the decoder to refuse. May throw std::bad_alloc for a very large picture.
QByteArray DecodeEmbeddedPng(QByteArrayView base64);

} // namespace quorvane
