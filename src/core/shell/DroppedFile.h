#pragma once

// What a drop on the main window would open: one local picture file, given as a file or
// as a file:// address in the dropped text. Anything else is not taken.

#include <optional>

#include <QString>

class QMimeData;

namespace quorvane {

std::optional<QString> DroppedPicture(const QMimeData& data);

} // namespace quorvane
