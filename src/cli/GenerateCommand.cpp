#include "cli/Commands.h"

#include <iostream>

namespace quorvane::cli {

int RunGenerate(const CliArgs&)
{
    std::cerr << "quorvane-cli: 'generate' is not available in this build yet\n";
    return kExitUsage;
}

} // namespace quorvane::cli
