#pragma once

// The result viewer's Save: a save dialog in SaveFolder, then the page written in the
// format its name ends in.

class QImage;
class QString;
class QWidget;

namespace quorvane {

// Shows the save dialog (JPG, PNG, GIF and BMP filters, JPG selected, confirmation
// before an existing file is replaced) in `SaveFolder`. A chosen name moves
// SaveFolder to its folder, which the settings file keeps for the next run, then `page` is
// written at full size; a name without an ending takes the chosen type's. A name with another
// ending, or a failed write, is reported in an error message. Cancel changes nothing.
QString SaveResult(QWidget* viewer, QString& SaveFolder, const QImage& page);

} // namespace quorvane
