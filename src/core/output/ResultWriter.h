#pragma once

// Writes a page image to a file whose format follows the name's last four characters:
// ".jpg" (JPEG, quality 90, 144 dpi), ".png" (144 dpi), ".gif", ".bmp", in any letter case.

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

WriteResult WriteResultImage(const QImage& page, const QString& path);

} // namespace quorvane
