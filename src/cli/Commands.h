#pragma once

#include "cli/CliArgs.h"

namespace quorvane::cli {

// Each command returns an ExitCode and writes its messages to stderr.
int RunGenerate(const CliArgs& args);
int RunCorners(const CliArgs& args);
int RunReproject(const CliArgs& args);
int RunSimulate(const CliArgs& args);
int RunSetup(const CliArgs& args);
int RunDetect(const CliArgs& args);
int RunPrint(const CliArgs& args);

// Options that take no value, for every command.
inline const std::vector<std::string> kFlagNames{"default-paper", "fit", "help", "version", "marks", "setup-sheet"};

} // namespace quorvane::cli
