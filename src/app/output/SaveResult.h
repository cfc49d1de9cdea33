#pragma once

// The result viewer's Save: a save dialog in SaveFolder, then the page written in the
// format its name ends in.

class QImage;
class QWidget;

namespace quorvane {

struct DocumentState;

// Shows the save dialog (JPG, PNG, GIF and BMP filters, JPG selected, confirmation
// before an existing file is replaced) in `doc.SaveFolder`. A chosen name moves
// SaveFolder to its folder, then `page` is written at full size; a name with another
// ending, or a failed write, is reported in an error message. Cancel changes nothing.
void SaveResult(QWidget* viewer, DocumentState& doc, const QImage& page);

} // namespace quorvane
