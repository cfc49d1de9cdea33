#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::cli {

// Exit status of quorvane-cli.
enum ExitCode : int {
    kExitDone = 0,
    kExitUsage = 1,     // bad usage: message and usage on stderr
    kExitBadInput = 2,  // undecodable picture, the designer's checks failed
    kExitWriteFailed = 3,
};

// Options as "--name value" or "--name=value"; a value may start with '-' ("--angle -40").
// Arguments that are not options are kept in order as positionals.
struct CliArgs {
    std::string command;
    std::map<std::string, std::string> options;
    std::vector<std::string> flags; // options without a value, such as --default-paper
    std::vector<std::string> positionals;

    bool HasFlag(const std::string& name) const;
    std::optional<std::string> Option(const std::string& name) const;
};

// Parses argv; `flagNames` lists the options that take no value. On failure returns
// no value and sets `error`.
std::optional<CliArgs> ParseCliArgs(int argc, const char* const* argv,
                                    const std::vector<std::string>& flagNames, std::string& error);

// Usage text printed by --help and after a usage error: of one command when `command` names
// one, else of them all.
std::string UsageText(const std::string& command = {});

} // namespace quorvane::cli
