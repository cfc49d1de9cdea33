#pragma once

// generate --photo: the paper outline taken from a photo of the real paper, its corners
// found in it or given with --corners.

#include <string>

#include "cli/CliArgs.h"
#include "core/shell/Document.h"

namespace quorvane::cli {

// An error message for an option that cannot go with --photo (the designer's camera options),
// --corners without --photo or not twelve numbers; empty when there is none.
std::string PhotoOptionsProblem(const CliArgs& args);

// Loads the photo --photo names, takes the corners from --corners or finds them, and stores
// the outline it makes into `doc` (whose paper is already set). False with the reason in
// `error` when the photo cannot be read, holds no single whole paper, or its corners make
// no outline; `doc` is then unchanged.
bool PaperFromPhoto(const CliArgs& args, Document& doc, std::string& error);

} // namespace quorvane::cli
