#pragma once

// A pixel buffer as a bitmap file: the 14-byte file header, the 40-byte information
// header (32 bits per pixel, uncompressed, positive height meaning bottom-up) and every
// byte of the buffer, the fourth included.

#include <QByteArray>

#include "core/generation/PixelBuffer.h"

namespace quorvane {

// The 40-byte information header describing a width x height bottom-up 32-bit buffer.
QByteArray DibHeader(int32_t width, int32_t height);

// The whole file; empty for an empty buffer.
QByteArray EncodeBitmapFile(const PixelBuffer& buffer);

} // namespace quorvane
