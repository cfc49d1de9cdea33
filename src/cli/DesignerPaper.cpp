#include "cli/DesignerPaper.h"

namespace quorvane::cli {

bool PaperFromDesigner(const CliArgs&, DocumentState&, std::string& error)
{
    error = "the designer's view is not available in this build; use --default-paper";
    return false;
}

} // namespace quorvane::cli
