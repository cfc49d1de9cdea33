#pragma once

#include <string>

#include "cli/CliArgs.h"
#include "core/shell/DocumentState.h"

namespace quorvane::cli {

// Finds the paper's corners as the designer does for the camera options of `args`
// (--distance, --angle, --height, --fov, --view) and the document's PageStyle, and stores
// them into PaperPoint, PaperWidth and PaperHeight. On failure leaves the paper alone,
// sets `error` to the message for the user and returns false.
bool PaperFromDesigner(const CliArgs& args, DocumentState& doc, std::string& error);

} // namespace quorvane::cli
