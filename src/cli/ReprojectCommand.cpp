#include "cli/Commands.h"

#include <iostream>

namespace quorvane::cli {

int RunReproject(const CliArgs&)
{
    std::cerr << "quorvane-cli: 'reproject' is not available in this build yet\n";
    return kExitUsage;
}

} // namespace quorvane::cli
