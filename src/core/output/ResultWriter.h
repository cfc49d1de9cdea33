#pragma once

// Writes a page image to a file whose format follows the name's last four characters:
// ".jpg" (JPEG, quality 90, 144 dpi), ".png" (144 dpi), ".gif", ".bmp", in any letter case.
// The file is written to a temporary file beside it and renamed over the target only when
// complete, so a failed save never damages an existing file.

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvane {

enum class WriteStatus {
    Written,
    UnsupportedName, // the name does not end in one of the four endings: nothing written
    WriteFailed,     // the file could not be written: any existing file is left untouched
};

struct WriteResult {
    WriteStatus status = WriteStatus::WriteFailed;
    QString message; // for the user: names the file and the reason; empty when written
};

inline constexpr int kJpegQuality = 90;
inline constexpr int kSavedDotsPerMeter = 5669; // 144 dpi: 144 / 0.0254 m, rounded

WriteResult WriteResultImage(const QImage& page, const QString& path);

// Makes `bytes` the content of `path` the same way: the file is replaced only once the new
// one is complete. Returns the reason on failure.
std::optional<QString> ReplaceFileWith(const QString& path, const QByteArray& bytes);

} // namespace quorvane
