#pragma once

// generate --photo: the paper outline taken from a photo of the real paper, its corners
// found in it or given with --corners.

#include <string>

#include "cli/CliArgs.h"
#include "core/shell/Document.h"

namespace quorvane::cli {

// The options that go with --photo and those that cannot (the designer's camera options).
// An error message for the first one that cannot; empty when none.
std::string PhotoOptionConflict(const CliArgs& args);

// Whether --corners is twelve numbers; the message in `error` when not.
bool CornersOptionIsValid(const CliArgs& args, std::string& error);

// Loads the photo --photo names, takes the corners from --corners or finds them, and stores
// the outline it makes into `doc` (whose paper is already set). False with the reason in
// `error` when the photo cannot be read, holds no single whole paper, or its corners make
// no outline; `doc` is then unchanged.
bool PaperFromPhoto(const CliArgs& args, Document& doc, std::string& error);

} // namespace quorvane::cli
