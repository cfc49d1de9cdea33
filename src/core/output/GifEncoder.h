#pragma once

// GIF output for photographic pages: libimagequant chooses a 256-colour palette and
// dithers the page onto it, giflib writes the file.

#include <optional>

#include <QString>

class QImage;
class QIODevice;

namespace quorvane {

// Writes `page` to `out` as a GIF. Returns the reason when it fails.
std::optional<QString> EncodeGif(const QImage& page, QIODevice& out);

} // namespace quorvane
