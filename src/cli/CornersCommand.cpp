#include "cli/Commands.h"

#include <iostream>

namespace quorvane::cli {

int RunCorners(const CliArgs&)
{
    std::cerr << "quorvane-cli: 'corners' is not available in this build yet\n";
    return kExitUsage;
}

} // namespace quorvane::cli
