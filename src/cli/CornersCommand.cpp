#include "cli/Commands.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include <QString>

#include "cli/DesignerPaper.h"

namespace quorvane::cli {

namespace {

// The options of `corners` are the designer's alone.
bool CheckCornersUsage(const CliArgs& args, std::string& error)
{
    for (const auto& [name, value] : args.options) {
        if (std::find(kDesignerOptionNames.begin(), kDesignerOptionNames.end(), name) == kDesignerOptionNames.end()) {
            error = "corners does not take --" + name;
            return false;
        }
    }
    if (!args.flags.empty() || !args.positionals.empty()) {
        error = "corners takes only --style, --distance, --angle, --height, --fov and --view";
        return false;
    }
    return DesignerRequestFromArgs(args, error).has_value();
}

std::string CornersJson(const Document& doc)
{
    std::ostringstream json;
    const PaperOutline& outline = doc.Outline;
    json << "{\"PageStyle\": " << QString::number(doc.Paper.PageStyle()).toStdString() << ", \"PaperPoint\": [";
    for (size_t i = 0; i < outline.PaperPoint.size(); ++i)
        json << (i ? ", " : "") << "[" << outline.PaperPoint[i].x() << "," << outline.PaperPoint[i].y() << "]";
    json << "], \"PaperWidth\": " << outline.PaperWidth() << ", \"PaperHeight\": " << outline.PaperHeight() << "}";
    return json.str();
}

} // namespace

int RunCorners(const CliArgs& args)
{
    std::string error;
    if (!CheckCornersUsage(args, error)) {
        std::cerr << "quorvane-cli: " << error << "\n\n" << UsageText();
        return kExitUsage;
    }
    Document doc;
    if (!PaperFromDesigner(args, doc, error)) {
        std::cerr << error << "\n";
        return kExitBadInput;
    }
    std::cout << CornersJson(doc) << "\n";
    return kExitDone;
}

} // namespace quorvane::cli
