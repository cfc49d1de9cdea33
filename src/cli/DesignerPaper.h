#pragma once

// The designer's options of quorvane-cli: the page style, the camera and the view size,
// and the paper outline found for them exactly as the designer's OK finds it.

#include <optional>
#include <string>

#include <QSize>

#include "cli/CliArgs.h"
#include "core/designer/DesignerCamera.h"
#include "core/shell/Document.h"
#include "core/shell/Paper.h"

namespace quorvane::cli {

// The option names this file reads.
inline const std::vector<std::string> kDesignerOptionNames{"style", "paper", "sheets", "glue", "distance", "angle", "height", "fov", "view"};

// The paper a --style value names on `format`: lfold, flat or upright, or the number 6, 4.1
// or 4.2.
std::optional<Paper> PaperOfStyleText(const std::string& text, PaperFormat format);
// The paper --style, --paper, --sheets and --glue name (L-folded A4 on one sheet without
// them); no value and `error` set for a name or a grid they do not know.
std::optional<Paper> PaperFromArgs(const CliArgs& args, std::string& error);
inline constexpr const char* kStyleError = "--style must be lfold, flat or upright (or 6, 4.1 or 4.2)";

struct DesignerRequest {
    Paper paper;
    DesignerCamera camera; // the paper's default camera, moved by the options
    QSize view{523, 450};
};

// Reads --style (lfold, flat, upright or 6, 4.1, 4.2), --paper (a4, letter, a3), --distance, --angle, --height,
// --fov (centimetres of printed paper and degrees, as the designer's fields show them,
// rounded to its slider steps, within the sliders' ranges) and --view WxH. No value and `error`
// set when one is malformed or out of range (bad usage).
std::optional<DesignerRequest> DesignerRequestFromArgs(const CliArgs& args, std::string& error);

// The grid --sheets CxR and --glue MM name (one sheet, the default glue, without them); no
// value and `error` set for a malformed or out-of-range value.
std::optional<SheetGrid> GridFromArgs(const CliArgs& args, std::string& error);

// The format --paper names, A4 without it; no value and `error` set for another name.
std::optional<PaperFormat> FormatFromArgs(const CliArgs& args, std::string& error);

// Renders the designer's view off screen for these options, finds the paper's corners and
// stores the paper and its outline into `doc`, as the designer's OK does. False with `error`
// set when an option is bad, when there is no OpenGL, or with the designer's own message
// when its checks fail; `doc` is then unchanged.
bool PaperFromDesigner(const CliArgs& args, Document& doc, std::string& error);

} // namespace quorvane::cli
