#pragma once

// Whether a picture file holds the whole picture. The decoders accept a JPEG, BMP or GIF
// cut short and fill the missing part (black rows, grey blocks); a file is only used when
// its structure reaches its end: a PNG's IEND chunk, a JPEG's end-of-image marker after
// its scans, a BMP's full pixel rows (or its RLE end mark), a GIF's first image data
// ended by its terminator block, a TIFF's strips or tiles. A PNG's chunks must also match
// their checksums, which its decoder would report on standard error.

class QIODevice;

namespace quorvane {

// False when `file` is a PNG, JPEG, BMP, GIF or TIFF that ends before its picture does; true
// for complete files and for other formats, which their decoders judge alone. Reads from
// the start and leaves the position at the start.
bool PictureIsComplete(QIODevice& file);

} // namespace quorvane
